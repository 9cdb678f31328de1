#include "classlib/stdctrls/Memo.h"

#include <vector>

namespace {
// The lines of a memo, kept in its text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

  void Insert(int index, const AnsiString& s) override {
    auto lines = Split();
    if (index < 0 || index > static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
    lines.insert(lines.begin() + index, s);
    Join(lines);
  }
  void Delete(int index) override {
    auto lines = Split();
    CheckIndex(index, lines);
    lines.erase(lines.begin() + index);
    Join(lines);
  }
  void Clear() override { memo_->SetText(AnsiString()); }

 protected:
  AnsiString Get(int index) const override {
    const auto lines = Split();
    CheckIndex(index, lines);
    return lines[static_cast<size_t>(index)];
  }
  int GetCount() const override { return static_cast<int>(Split().size()); }
  void Put(int index, const AnsiString& s) override {
    auto lines = Split();
    CheckIndex(index, lines);
    lines[static_cast<size_t>(index)] = s;
    Join(lines);
  }
  AnsiString GetTextStr() const override {
    AnsiString text = memo_->Text();
    if (!text.IsEmpty() && text.SubString(text.Length() - 1, 2) != "\r\n") text += "\r\n";
    return text;
  }
  void SetTextStr(const AnsiString& text) override {
    // Any line break of the text becomes the memo's CR LF.
    TStringList lines;
    lines.SetText(text);
    std::vector<AnsiString> split;
    for (int i = 0; i < lines.Count(); ++i) split.push_back(lines[i]);
    Join(split);
  }

 private:
  static void CheckIndex(int index, const std::vector<AnsiString>& lines) {
    if (index < 0 || index >= static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
  }
  // The text split at CR LF; a final CR LF ends the last line without starting another.
  std::vector<AnsiString> Split() const {
    std::vector<AnsiString> lines;
    const AnsiString text = memo_->Text();
    int start = 1;
    for (int i = 1; i < text.Length(); ++i) {
      if (text[i] == '\r' && text[i + 1] == '\n') {
        lines.push_back(text.SubString(start, i - start));
        start = i + 2;
        ++i;
      }
    }
    if (start <= text.Length()) lines.push_back(text.SubString(start, text.Length() - start + 1));
    return lines;
  }
  void Join(const std::vector<AnsiString>& lines) {
    AnsiString text;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text += "\r\n";
      text += lines[i];
    }
    memo_->SetText(text);
  }

  TCustomMemo* memo_;
};
}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(new TMemoStrings(this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() { delete lines_; }

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  static constexpr DWORD kAlign[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  static constexpr DWORD kBars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  params.Style |= ES_MULTILINE | kAlign[alignment_] | kBars[scrollBars_];
  if (wordWrap_ && (scrollBars_ == ssNone || scrollBars_ == ssVertical)) params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
}

void TCustomMemo::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TCustomMemo::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      TCustomEdit::Dispatch(message);
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
      if (wantTabs_) message.Result |= DLGC_WANTTAB;
      else message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
      return;
    case CM_WANTSPECIALKEY:
      message.Result = message.WParam == VK_RETURN && wantReturns_ ? 1 : 0;
      return;
    default:
      TCustomEdit::Dispatch(message);
  }
}
