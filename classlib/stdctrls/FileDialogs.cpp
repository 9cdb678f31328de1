#include "classlib/stdctrls/FileDialogs.h"

#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"

namespace {
bool SystemFileDialog(OPENFILENAMEA& request, bool save) {
  return (save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request)) != FALSE;
}

TFileDialogHandler& Handler() {
  static TFileDialogHandler handler = &SystemFileDialog;
  return handler;
}

struct TFlag {
  TOpenOption option;
  DWORD flag;
};

constexpr TFlag kFlags[] = {
    {ofReadOnly, OFN_READONLY},           {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},   {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT}, {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST}, {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},   {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS}, {ofEnableSizing, OFN_ENABLESIZING},
};

// "Text|*.txt|All|*.*" as the system wants it: parts ended by NUL, one more NUL at the end.
std::vector<char> FilterBuffer(const AnsiString& filter) {
  std::vector<char> buffer;
  for (int i = 1; i <= filter.Length(); ++i) buffer.push_back(filter[i] == '|' ? '\0' : filter[i]);
  buffer.push_back('\0');
  buffer.push_back('\0');
  return buffer;
}
}  // namespace

TFileDialogHandler SetFileDialogHandler(TFileDialogHandler handler) {
  TFileDialogHandler previous = Handler();
  Handler() = handler ? std::move(handler) : TFileDialogHandler(&SystemFileDialog);
  return previous;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), files_(new TStringList) {}

TOpenDialog::~TOpenDialog() { delete files_; }

DWORD TOpenDialog::Flags() const {
  DWORD flags = OFN_EXPLORER;
  for (const TFlag& entry : kFlags) {
    if (options_.Contains(entry.option)) flags |= entry.flag;
  }
  return flags;
}

void TOpenDialog::TakeAnswer(const char* buffer, bool multiSelect) {
  files_->Clear();
  const AnsiString first(buffer);
  const char* next = buffer + first.Length() + 1;
  if (!multiSelect || *next == '\0') {
    files_->Add(first);
    return;
  }
  // A folder, then the names chosen in it.
  const AnsiString folder = IncludeTrailingPathDelimiter(first);
  for (; *next != '\0'; next += AnsiString(next).Length() + 1) files_->Add(folder + next);
}

bool TOpenDialog::Run(bool save) {
  std::vector<char> filter = FilterBuffer(filter_);
  std::vector<char> file(options_.Contains(ofAllowMultiSelect) ? 0x10000 : MAX_PATH + 1, '\0');
  fileName_.view().copy(file.data(), file.size() - 1);
  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  TCustomForm* active = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  request.hwndOwner = active != nullptr ? active->Handle() : Application->Handle();
  request.lpstrFilter = filter_.IsEmpty() ? nullptr : filter.data();
  request.nFilterIndex = static_cast<DWORD>(filterIndex_);
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrInitialDir = initialDir_.IsEmpty() ? nullptr : initialDir_.c_str();
  request.lpstrTitle = title_.IsEmpty() ? nullptr : title_.c_str();
  request.lpstrDefExt = defaultExt_.IsEmpty() ? nullptr : defaultExt_.c_str();
  request.Flags = Flags();
  if (!Handler()(request, save)) return false;
  filterIndex_ = static_cast<int>(request.nFilterIndex);
  if ((request.Flags & OFN_READONLY) != 0) options_.Include(ofReadOnly);
  else options_.Exclude(ofReadOnly);
  TakeAnswer(file.data(), options_.Contains(ofAllowMultiSelect));
  fileName_ = files_->Strings(0);
  return true;
}

bool TOpenDialog::Execute() { return Run(false); }

bool TSaveDialog::Execute() { return Run(true); }
