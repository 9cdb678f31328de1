#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Object.h"

class TStream;

// An indexed list of text lines, each with an optional object. The storage is left to
// descendants through the protected hooks (Get, GetCount, Insert, Delete, Clear and
// optionally Put, GetObjectAt, PutObject, SetUpdateState), so a control can keep the
// lines itself. Text comparisons (IndexOf, IndexOfName) ignore case.
class TStrings : public TPersistent {
  CLASSLIB_CLASS(TStrings, TPersistent)
 public:
  int Count() const { return GetCount(); }
  AnsiString Strings(int index) const { return Get(index); }
  void SetStrings(int index, const AnsiString& s) { Put(index, s); }
  AnsiString operator[](int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObjectAt(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  virtual int Add(const AnsiString& s);
  int AddObject(const AnsiString& s, TObject* object);
  void InsertObject(int index, const AnsiString& s, TObject* object);
  void AddStrings(const TStrings* strings);
  virtual void Insert(int index, const AnsiString& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  // Moves one line (with its object) to `newIndex`; lists whose lines stand for things
  // override it to move the thing instead of deleting and inserting it.
  virtual void Move(int currentIndex, int newIndex);

  // Index of the first line equal to `s` ignoring case, -1 when none.
  virtual int IndexOf(const AnsiString& s) const;
  int IndexOfObject(TObject* object) const;

  // "name=value" lines.
  AnsiString Names(int index) const;
  int IndexOfName(const AnsiString& name) const;
  AnsiString Values(const AnsiString& name) const;
  // Sets the value of `name`; an empty value removes its line.
  void SetValues(const AnsiString& name, const AnsiString& value);

  // All lines, each followed by CR LF.
  AnsiString Text() const { return GetTextStr(); }
  // Replaces the lines with those of `text`; a line ends at CR LF, LF or CR, and a
  // final line break does not start another line.
  void SetText(const AnsiString& text) { SetTextStr(text); }
  // Lines joined by ",", a line holding blanks, commas or quotes put in double quotes.
  AnsiString CommaText() const;
  void SetCommaText(const AnsiString& text);

  // Counted: the first BeginUpdate calls SetUpdateState(true), the matching last
  // EndUpdate SetUpdateState(false).
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void LoadFromFile(const AnsiString& fileName);
  void LoadFromStream(TStream* stream);
  void SaveToFile(const AnsiString& fileName) const;
  void SaveToStream(TStream* stream) const;

  bool Equals(const TStrings* other) const;
  void Assign(TPersistent* source) override;

 protected:
  virtual AnsiString Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual void Put(int index, const AnsiString& s);
  virtual TObject* GetObjectAt(int index) const;
  virtual void PutObject(int index, TObject* object);
  virtual void SetUpdateState(bool updating) { (void)updating; }
  virtual AnsiString GetTextStr() const;
  virtual void SetTextStr(const AnsiString& text);
  [[noreturn]] static void Error(const char* message, int index);

 private:
  int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// Lines kept by the list itself, optionally sorted (by AnsiCompareText).
class TStringList : public TStrings {
  CLASSLIB_CLASS(TStringList, TStrings)
 public:
  using TStringListSortCompare = int (*)(TStringList* list, int index1, int index2);

  TStringList() = default;
  ~TStringList() override;

  int Add(const AnsiString& s) override;
  void Insert(int index, const AnsiString& s) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const AnsiString& s) const override;

  // Binary search of a sorted list: true when found; `index` is the position of the
  // line or where it would go.
  virtual bool Find(const AnsiString& s, int& index) const;
  virtual void Sort();
  void CustomSort(TStringListSortCompare compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  AnsiString Get(int index) const override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  void Put(int index, const AnsiString& s) override;
  TObject* GetObjectAt(int index) const override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct Item {
    AnsiString text;
    TObject* object;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const AnsiString& s, TObject* object);
  int AddSorted(const AnsiString& s);

  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
