#include "classlib/runtime/Strings.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/UpdateScope.h"

void TStrings::Error(const char* message, int index) { throw EStringListError(Format(message, {index})); }

int TStrings::Add(const AnsiString& s) {
  const int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const AnsiString& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const AnsiString& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::AddStrings(const TStrings* strings) {
  const TUpdateScope<TStrings> update(this);
  for (int i = 0; i < strings->Count(); ++i) AddObject(strings->Get(i), strings->GetObjectAt(i));
}

void TStrings::Put(int index, const AnsiString& s) {
  TObject* object = GetObjectAt(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::GetObjectAt(int index) const {
  (void)index;
  return nullptr;
}

void TStrings::PutObject(int index, TObject* object) {
  (void)index;
  (void)object;
}

void TStrings::Exchange(int index1, int index2) {
  const AnsiString s1 = Get(index1);
  TObject* o1 = GetObjectAt(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObjectAt(index2));
  Put(index2, s1);
  PutObject(index2, o1);
}

void TStrings::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  const AnsiString s = Get(currentIndex);
  TObject* object = GetObjectAt(currentIndex);
  Delete(currentIndex);
  InsertObject(newIndex, s, object);
}

int TStrings::IndexOf(const AnsiString& s) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (AnsiCompareText(Get(i), s) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* object) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetObjectAt(i) == object) return i;
  }
  return -1;
}

AnsiString TStrings::Names(int index) const {
  const AnsiString line = Get(index);
  const int at = line.Pos("=");
  return at > 0 ? line.SubString(1, at - 1) : AnsiString();
}

int TStrings::IndexOfName(const AnsiString& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const AnsiString line = Get(i);
    const int at = line.Pos("=");
    if (at > 0 && AnsiCompareText(line.SubString(1, at - 1), name) == 0) return i;
  }
  return -1;
}

AnsiString TStrings::Values(const AnsiString& name) const {
  const int index = IndexOfName(name);
  if (index < 0) return {};
  const AnsiString line = Get(index);
  return line.SubString(name.Length() + 2, line.Length());
}

void TStrings::SetValues(const AnsiString& name, const AnsiString& value) {
  int index = IndexOfName(name);
  if (value.IsEmpty()) {
    if (index >= 0) Delete(index);
    return;
  }
  if (index < 0) {
    Add(name + "=" + value);
  } else {
    Put(index, name + "=" + value);
  }
}

AnsiString TStrings::GetTextStr() const {
  AnsiString text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + "\r\n";
  return text;
}

void TStrings::SetTextStr(const AnsiString& text) {
  const TUpdateScope<TStrings> update(this);
  Clear();
  const char* p = text.c_str();
  const char* end = p + text.Length();
  while (p < end) {
    const char* start = p;
    while (p < end && *p != '\r' && *p != '\n') ++p;
    Add(AnsiString(start, static_cast<int>(p - start)));
    if (p < end && *p == '\r') {
      ++p;
      if (p < end && *p == '\n') ++p;
    } else if (p < end) {
      ++p;  // LF
    }
  }
}

namespace {
bool NeedsQuotes(const AnsiString& s) {
  if (s.IsEmpty()) return true;
  for (int i = 1; i <= s.Length(); ++i) {
    const char c = s[i];
    if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') return true;
  }
  return false;
}
}  // namespace

AnsiString TStrings::CommaText() const {
  AnsiString text;
  for (int i = 0; i < GetCount(); ++i) {
    const AnsiString s = Get(i);
    if (i > 0) text += ',';
    text += NeedsQuotes(s) ? "\"" + StringReplace(s, "\"", "\"\"") + "\"" : s;
  }
  return text;
}

namespace {
void SkipBlanks(const AnsiString& text, int& i) {
  while (i <= text.Length() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
}

// Reads the item of comma text at `i`, quoted (with "" for a quote) or bare, and moves
// `i` past it.
AnsiString CommaItem(const AnsiString& text, int& i) {
  const int n = text.Length();
  AnsiString item;
  if (text[i] != '"') {
    while (i <= n && static_cast<unsigned char>(text[i]) > ' ' && text[i] != ',') item += text[i++];
    return item;
  }
  for (++i; i <= n; ++i) {
    if (text[i] != '"') {
      item += text[i];
    } else if (i < n && text[i + 1] == '"') {
      item += '"';
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return item;
}
}  // namespace

void TStrings::SetCommaText(const AnsiString& text) {
  const TUpdateScope<TStrings> update(this);
  Clear();
  int i = 1;
  SkipBlanks(text, i);
  while (i <= text.Length()) {
    Add(CommaItem(text, i));
    SkipBlanks(text, i);
    if (i <= text.Length() && text[i] == ',') {
      ++i;
      SkipBlanks(text, i);
      if (i > text.Length()) Add(AnsiString());  // a trailing comma ends with an empty item
    }
  }
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);  // told while the count is still 0
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ <= 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const AnsiString& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TStrings::LoadFromStream(TStream* stream) {
  const int64_t size = stream->Size() - stream->Position();
  AnsiString text;
  text.SetLength(static_cast<int>(size));
  if (size > 0) stream->ReadBuffer(text.WritableBuffer(), static_cast<int>(size));
  SetTextStr(text);
}

void TStrings::SaveToFile(const AnsiString& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(&file);
}

void TStrings::SaveToStream(TStream* stream) const {
  const AnsiString text = GetTextStr();
  stream->WriteBuffer(text.c_str(), text.Length());
}

bool TStrings::Equals(const TStrings* other) const {
  if (other->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    if (Get(i) != other->Get(i)) return false;
  }
  return true;
}

void TStrings::Assign(TPersistent* source) {
  auto* strings = dynamic_cast<TStrings*>(source);
  if (strings == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (strings == this) return;
  const TUpdateScope<TStrings> update(this);
  Clear();
  AddStrings(strings);
}

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    Changing();
  } else {
    Changed();
  }
}

AnsiString TStringList::Get(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

TObject* TStringList::GetObjectAt(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::Put(int index, const AnsiString& s) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index);
  Changing();
  items_[static_cast<size_t>(index)].text = s;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

void TStringList::InsertItem(int index, const AnsiString& s, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

int TStringList::AddSorted(const AnsiString& s) {
  int index = 0;
  if (Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, s, nullptr);
  return index;
}

int TStringList::Add(const AnsiString& s) {
  if (sorted_) return AddSorted(s);
  InsertItem(GetCount(), s, nullptr);
  return GetCount() - 1;
}

void TStringList::Insert(int index, const AnsiString& s) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  InsertItem(index, s, nullptr);
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
  Changed();
}

int TStringList::IndexOf(const AnsiString& s) const {
  if (!sorted_) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& s, int& index) const {
  int low = 0;
  int high = GetCount() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int c = AnsiCompareText(items_[static_cast<size_t>(middle)].text, s);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return AnsiCompareText(a.text, b.text) < 0; });
  Changed();
}

void TStringList::CustomSort(TStringListSortCompare compare) {
  // The comparison reads the list by index, so sort an index table and then reorder.
  std::vector<int> order(items_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(this, a, b) < 0; });
  std::vector<Item> sortedItems;
  sortedItems.reserve(items_.size());
  for (int i : order) sortedItems.push_back(items_[static_cast<size_t>(i)]);
  Changing();
  items_ = std::move(sortedItems);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  if (sorted) Sort();
  sorted_ = sorted;
}
