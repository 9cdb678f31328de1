#pragma once
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/WinApi.h"

// What a list control over a system list (LISTBOX, COMBOBOX) lends its item strings: the
// window (null while there is none), the list kept meanwhile, and the per-item steps that
// derived controls may extend.
class TItemHost {
 public:
  virtual HWND ItemWindow() = 0;
  virtual TStringList* KeptItems() = 0;
  virtual LONG_PTR GetItemData(int index) = 0;
  virtual void SetItemData(int index, LONG_PTR data) = 0;
  virtual void DeleteString(int index) = 0;
  virtual void ResetContent() = 0;

 protected:
  ~TItemHost() = default;
};

// The message numbers of one kind of system list.
struct TItemMessages {
  UINT addString;
  UINT insertString;
  UINT getTextLength;
  UINT getText;
  UINT getCount;
  UINT findStringExact;
};

extern const TItemMessages kListBoxMessages;
extern const TItemMessages kComboBoxMessages;

// The items of such a control: its window's, each object kept as the item's data, or the
// kept list while there is no window.
class TItemStrings : public TStrings {
 public:
  TItemStrings(TItemHost* host, const TItemMessages& messages) : host_(host), messages_(messages) {}

  int Add(const AnsiString& s) override;
  void Insert(int index, const AnsiString& s) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(const AnsiString& s) const override;

 protected:
  AnsiString Get(int index) const override;
  int GetCount() const override;
  TObject* GetObjectAt(int index) const override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;

 private:
  LRESULT Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) const;
  void CheckIndex(HWND window, int index) const;

  TItemHost* host_;
  const TItemMessages& messages_;
};
