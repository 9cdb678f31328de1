#pragma once
#include <map>

#include "classlib/runtime/AnsiString.h"

// Decoder modes: which decoder the probe tries first and whether it may fall back.
constexpr int dmBuiltInFirst = 0;     // built-in decoder, then DirectShow
constexpr int dmDirectShowFirst = 1;  // DirectShow, then built-in
constexpr int dmBuiltInOnly = 2;
constexpr int dmDirectShowOnly = 3;

// The decoder mode of one file extension.
struct TDecoderModeMapItem {
  AnsiString Extension;  // with its leading dot, as in ".avi"
  AnsiString Note;
  signed char DecoderMode = dmBuiltInFirst;
};

// Decoder modes per file extension (compared exactly, case included) and the mode of
// every other file, kept in "DecoderMode.cfg":
//   [Default] DefaultDecoderMode=n   [Ext] one empty key per extension, lower case
//   [<extension>] Note=...  DecoderMode=n
class TDecoderModeMap {
 public:
  using TItems = std::map<AnsiString, TDecoderModeMapItem>;
  using const_iterator = TItems::const_iterator;

  // Empties the table (the default mode stays) and reads the file; false when it does
  // not exist or cannot be read.
  bool LoadFromFile(const AnsiString& path);
  // Writes the table into a new file beside `path`, then puts it in place of `path`.
  // False when that fails; the old file is then left as it was.
  bool SaveToFile(const AnsiString& path) const;

  // Replaces the item of the same extension.
  bool SetItem(const TDecoderModeMapItem& item);
  const_iterator Find(const AnsiString& extension) const { return items_.find(extension); }
  // The first item not ordered before `extension`.
  const_iterator LowerBound(const AnsiString& extension) const { return items_.lower_bound(extension); }
  const_iterator End() const { return items_.end(); }
  bool RemoveItem(const AnsiString& extension) { return items_.erase(extension) > 0; }
  // The item's mode; the default mode for an extension without an item or whose mode
  // is none of the four; dmBuiltInFirst when the default mode itself is none of them.
  int GetMode(const AnsiString& extension) const;
  int GetCount() const { return static_cast<int>(items_.size()); }
  // Copies the item at `index` in extension order; false when there is none.
  bool GetItem(int index, TDecoderModeMapItem& item) const;
  void SetDefaultMode(int mode) { defaultMode_ = static_cast<signed char>(mode); }
  int GetDefaultMode() const { return defaultMode_; }

 private:
  TItems items_;
  signed char defaultMode_ = dmBuiltInFirst;
};

// The table of the whole run, loaded from "DecoderMode.cfg" beside the program.
extern TDecoderModeMap DecoderModeMap;
