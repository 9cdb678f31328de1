// TspShellFolder's detail columns: the folder's detail interfaces and the file data
// read when a folder has neither.
#include "classlib/runtime/DateUtils.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/data/Sputils_System.h"
#include "skin/shell/Spskinshellctrls.h"

namespace {

constexpr const char* kNoDetailsText = "Unable to retrieve folder details for \"%s\". Error code $%x";
constexpr const char* kCallLoadDetailsText = "%s: Missing call to LoadColumnDetails";

// The local date and time of a file time; -1 when it cannot be converted.
TDateTime LocalDateTime(const FILETIME& time) {
  FILETIME local;
  SYSTEMTIME parts;
  TDateTime date = 0;
  TDateTime clock = 0;
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &parts) ||
      !TryEncodeDate(parts.wYear, parts.wMonth, parts.wDay, date) ||
      !TryEncodeTime(parts.wHour, parts.wMinute, parts.wSecond, parts.wMilliseconds, clock))
    return -1;
  return date + clock;
}

// The text of detail column `column` (1 size, 2 extension, 3 modified, 4 attributes).
AnsiString FileDataText(const WIN32_FIND_DATAA& data, int column) {
  const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  switch (column) {
    case 1:
      return folder ? AnsiString("-1")
                    : IntToStr((static_cast<int64_t>(data.nFileSizeHigh) << 32) + data.nFileSizeLow);
    case 2:
      return ExtractFileExt(data.cFileName);
    case 3:
      return FormatDateTime("c", folder ? -1 : LocalDateTime(data.ftLastWriteTime));
    case 4:
      return IntToStr(static_cast<int64_t>(data.dwFileAttributes));
    default:
      return AnsiString();
  }
}

template <class I>
AnsiString DetailText(I* details, LPCITEMIDLIST item, int column) {
  SHELLDETAILS answer{};
  if (FAILED(details->GetDetailsOf(item, static_cast<UINT>(column), &answer))) return AnsiString();
  return StrRetToText(item, answer.str);
}

}  // namespace

IUnknown* TspShellFolder::GetDetailInterface() {
  if (detailInterfaceAsked_) return detailInterface_.Get();
  detailInterfaceAsked_ = true;
  if (!shellFolder_) return nullptr;
  if (DetailInterfaceAvailable(IID_IShellDetails))
    BindItemInterface(shellFolder_.Get(), absolute_, viewHandle_, IID_IShellDetails, shellDetails_.PutVoid());
  if (!shellDetails_ && CheckW2KWXP() && DetailInterfaceAvailable(IID_IShellFolder2)) {
    IShellFolder* desktop = DesktopFolder->ShellFolder();
    LPCITEMIDLIST list = absolute_;
    if (FAILED(desktop->BindToObject(list, nullptr, IID_IShellFolder2, shellFolder2_.PutVoid())) &&
        FAILED(shellFolder_->GetUIObjectOf(viewHandle_, 1, &list, IID_IShellFolder2, nullptr,
                                           shellFolder2_.PutVoid())) &&
        FAILED(shellFolder_->BindToObject(list, nullptr, IID_IShellFolder2, shellFolder2_.PutVoid())))
      shellFolder2_ = shellFolder_.As<IShellFolder2>(IID_IShellFolder2);
  }
  if (shellFolder2_)
    detailInterface_ = shellFolder2_.As<IUnknown>(IID_IUnknown);
  else if (shellDetails_)
    detailInterface_ = shellDetails_.As<IUnknown>(IID_IUnknown);
  return detailInterface_.Get();
}

IShellDetails* TspShellFolder::GetShellDetails() {
  GetDetailInterface();
  return shellDetails_.Get();
}

IShellFolder2* TspShellFolder::GetShellFolder2() {
  GetDetailInterface();
  return shellFolder2_.Get();
}

void TspShellFolder::LoadColumnDetails(TspShellFolder* root, HWND window, int columns) {
  if (details_->Count() >= columns) return;
  details_->Clear();
  viewHandle_ = window;
  if (IShellFolder2* folder2 = root->GetShellFolder2()) {
    for (int column = 1; column <= columns; ++column) details_->Add(DetailText(folder2, relative_, column));
  } else if (IShellDetails* details = root->GetShellDetails()) {
    for (int column = 1; column <= columns; ++column) details_->Add(DetailText(details, relative_, column));
  } else if (root->Properties().Contains(fpFileSystem)) {
    LoadDetailsFromFileData(columns);
  }
}

void TspShellFolder::LoadDetailsFromFileData(int columns) {
  WIN32_FIND_DATAA data{};
  HANDLE search = FindFirstFileA(PathName().c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    throw EInvalidPath(Format(kNoDetailsText, DisplayName(), static_cast<int64_t>(error)));
  }
  FindClose(search);
  for (int column = 1; column <= columns; ++column) details_->Add(FileDataText(data, column));
}

AnsiString TspShellFolder::GetDetails(int index) const {
  if (details_->Count() == 0) throw Exception(Format(kCallLoadDetailsText, DisplayName()));
  return details_->Strings(index - 1);
}

void TspShellFolder::SetDetails(int index, const AnsiString& text) {
  if (index - 1 < details_->Count())
    details_->SetStrings(index - 1, text);
  else
    details_->Insert(index - 1, text);
}
