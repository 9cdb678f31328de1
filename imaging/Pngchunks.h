#pragma once
// The chunk list of a PNG picture, the chunk base class and the registry that maps chunk
// names to chunk classes.
#include <cstdint>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Streams.h"

class TPNGObject;
class TChunk;
class TChunkIHDR;

// A chunk class: its four-character name, how to make one for a picture and how to tell
// its instances (those of derived classes included).
struct TChunkClass {
  const char* name;
  TChunk* (*create)(TPNGObject* owner);
  bool (*isInstance)(const TChunk* chunk);
};

template <class T>
const TChunkClass& ChunkClass() {
  static const TChunkClass chunkClass{
      T::ChunkName, [](TPNGObject* owner) -> TChunk* { return new T(owner); },
      [](const TChunk* chunk) { return dynamic_cast<const T*>(chunk) != nullptr; }};
  return chunkClass;
}

// A growable array of pointers belonging to a picture.
class TPNGPointerList : public TObject {
 public:
  explicit TPNGPointerList(TPNGObject* owner) : owner_(owner) {}

  TPNGObject* Owner() const { return owner_; }
  unsigned Count() const { return static_cast<unsigned>(items_.size()); }
  void Add(void* item) { items_.push_back(item); }
  // Refused when `position` is at or past the end of a non-empty list.
  void Insert(void* item, unsigned position);
  // Takes out the last occurrence of `item`; answers it, or null when absent.
  virtual void* Remove(void* item);
  void* GetItem(unsigned index) const { return index < Count() ? items_[index] : nullptr; }
  void SetItem(unsigned index, void* item);
  // New slots are null.
  void SetSize(unsigned size) { items_.resize(size, nullptr); }

 private:
  TPNGObject* owner_;
  std::vector<void*> items_;
};

// The chunks of one picture, in file order. The picture frees them (ClearChunks).
class TPNGList : public TPNGPointerList {
 public:
  using TPNGPointerList::TPNGPointerList;

  // Makes a chunk of that class and puts it where it belongs (IHDR first, IEND last,
  // gAMA, pHYs and PLTE after IHDR, tRNS after PLTE, the rest before IEND). Critical
  // chunks only while the picture builds itself; one gAMA, tRNS and pHYs at most.
  // Raises EPngError otherwise.
  TChunk* Add(const TChunkClass& chunkClass);
  template <class T>
  T* Add() {
    return static_cast<T*>(Add(ChunkClass<T>()));
  }
  // Puts the chunk last, where reading and copying want it, without the rules of Add.
  void Append(TChunk* chunk) { TPNGPointerList::Add(chunk); }
  // The first chunk of that class or derived from it, or null.
  TChunk* FindChunk(const TChunkClass& chunkClass) const;
  template <class T>
  T* FindChunk() const {
    return static_cast<T*>(FindChunk(ChunkClass<T>()));
  }
  TChunk* ItemFromClass(const TChunkClass& chunkClass) const { return FindChunk(chunkClass); }
  // Takes the chunk out of the list and frees it.
  void RemoveChunk(TChunk* chunk);
  TChunk* GetItem(unsigned index) const {
    return static_cast<TChunk*>(TPNGPointerList::GetItem(index));
  }

 private:
  void CheckAllowed(const TChunkClass& chunkClass) const;
  unsigned PositionFor(const TChunkClass& chunkClass) const;
  int IndexOf(const char* name) const;
};

// One chunk: its name and its data. A chunk of an unregistered name stays a plain TChunk
// and keeps its data as read.
class TChunk : public TObject {
 public:
  static constexpr const char* ChunkName = "";

  explicit TChunk(TPNGObject* owner);

  // The class's chunk name ("" for the plain chunk).
  virtual const char* GetName() const { return ChunkName; }
  // A new chunk of this chunk's own class for `owner`.
  virtual TChunk* NewOfSameClass(TPNGObject* owner) const;
  // Copies the source's name and data.
  virtual void Assign(TChunk* source);
  // Reads `length` data bytes and the CRC; EPngInvalidCRC on a mismatch. False stops
  // the reader as IEND does.
  virtual bool LoadFromStream(TStream* stream, const char* name, uint32_t length);
  virtual bool SaveToStream(TStream* stream) { return SaveData(stream); }
  // Writes length, name, data and CRC.
  bool SaveData(TStream* stream);

  void ResizeData(uint32_t length);
  uint8_t* Data() { return data_.data(); }
  const uint8_t* Data() const { return data_.data(); }
  uint32_t DataSize() const { return dataSize_; }
  TPNGObject* Owner() const { return owner_; }
  // Position in the owner's list, -1 when absent.
  int GetIndex() const;
  // The owner's first chunk, which must be the header (EPNGHeaderNotPresent otherwise).
  TChunkIHDR* GetHeader() const;
  AnsiString GetChunkName() const { return AnsiString(NameBytes(), 4); }
  void SetChunkName(const char* name);

 protected:
  // The four name bytes: as read, or the class's name for a chunk made by its class.
  const char* NameBytes() const;
  // The CRC the chunk should carry for its name and data.
  uint32_t ComputeCrc() const;

 private:
  std::vector<uint8_t> data_;  // always one byte longer than the data
  uint32_t dataSize_ = 0;
  TPNGObject* owner_;
  char name_[4] = {0, 0, 0, 0};
};

// Declares a chunk class: its name and its own class for copies.
#define PNG_CHUNK_CLASS(Class, Name)                                         \
 public:                                                                     \
  static constexpr const char* ChunkName = Name;                             \
  const char* GetName() const override { return ChunkName; }                 \
  TChunk* NewOfSameClass(TPNGObject* owner) const override { return new Class(owner); }

// The end chunk: no data.
class TChunkIEND : public TChunk {
  PNG_CHUNK_CLASS(TChunkIEND, "IEND")
 public:
  using TChunk::TChunk;
};

// Raises EPngUnexpectedEnd unless `length` data bytes (at most 2^31 - 1) and the CRC
// after them are left in the stream; checked before anything is allocated for them.
void CheckChunkFits(TStream* stream, uint32_t length);

// The registry of chunk classes, tried in order when a chunk is read by name.
void RegisterChunk(const TChunkClass& chunkClass);
void UnregisterChunks();
// Makes the chunk class registered for `name` (exact case), or a plain TChunk, for
// `owner`, named `name`.
TChunk* CreateChunkByName(TPNGObject* owner, const char* name);
