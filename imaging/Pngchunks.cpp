#include "imaging/Pngchunks.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/Pngcrc.h"
#include "imaging/Pngimage.h"

// ---- TPNGPointerList ----

void TPNGPointerList::Insert(void* item, unsigned position) {
  if (position >= Count() && Count() != 0) return;
  items_.insert(items_.begin() + std::min<size_t>(position, items_.size()), item);
}

void* TPNGPointerList::Remove(void* item) {
  const auto found = std::find(items_.rbegin(), items_.rend(), item);
  if (found == items_.rend()) return nullptr;
  items_.erase(std::next(found).base());
  return item;
}

void TPNGPointerList::SetItem(unsigned index, void* item) {
  if (index < Count()) items_[index] = item;
}

// ---- TPNGList ----

namespace {

bool NameIs(const TChunkClass& chunkClass, const char* name) {
  return std::strcmp(chunkClass.name, name) == 0;
}

bool IsCritical(const TChunkClass& c) {
  return NameIs(c, "IHDR") || NameIs(c, "IDAT") || NameIs(c, "PLTE") || NameIs(c, "IEND");
}

bool IsSingle(const TChunkClass& c) {
  return NameIs(c, "gAMA") || NameIs(c, "tRNS") || NameIs(c, "pHYs");
}

}  // namespace

int TPNGList::IndexOf(const char* name) const {
  for (unsigned i = 0; i < Count(); ++i) {
    if (std::strcmp(GetItem(i)->GetName(), name) == 0) return static_cast<int>(i);
  }
  return -1;
}

void TPNGList::CheckAllowed(const TChunkClass& chunkClass) const {
  const bool building = Owner()->BeingCreated();
  if (IsCritical(chunkClass) && !building) RaiseError<EPngError>(EPNGCannotAddChunkText);
  if (IsSingle(chunkClass) && FindChunk(chunkClass) != nullptr) {
    RaiseError<EPngError>(EPNGCannotAddChunkText);
  }
  if ((IndexOf("IEND") < 0 || IndexOf("IHDR") < 0) && !building) {
    RaiseError<EPngError>(EPNGCannotAddInvalidImageText);
  }
}

unsigned TPNGList::PositionFor(const TChunkClass& chunkClass) const {
  const int header = IndexOf("IHDR");
  const auto after = [](int index) { return static_cast<unsigned>(index + 1); };
  if (NameIs(chunkClass, "gAMA") || NameIs(chunkClass, "pHYs") || NameIs(chunkClass, "PLTE")) {
    return after(header);
  }
  if (NameIs(chunkClass, "IEND")) return Count();
  if (NameIs(chunkClass, "IHDR")) return 0;
  if (NameIs(chunkClass, "tRNS")) {
    if (const int palette = IndexOf("PLTE"); palette >= 0) return after(palette);
    if (const int data = IndexOf("IDAT"); data >= 0) return static_cast<unsigned>(data);
    return after(header);
  }
  const int end = IndexOf("IEND");
  return end >= 0 ? static_cast<unsigned>(end) : Count();
}

TChunk* TPNGList::Add(const TChunkClass& chunkClass) {
  CheckAllowed(chunkClass);
  TChunk* chunk = chunkClass.create(Owner());
  const unsigned position = PositionFor(chunkClass);
  if (position >= Count()) {
    Append(chunk);
  } else {
    Insert(chunk, position);
  }
  return chunk;
}

TChunk* TPNGList::FindChunk(const TChunkClass& chunkClass) const {
  for (unsigned i = 0; i < Count(); ++i) {
    if (chunkClass.isInstance(GetItem(i))) return GetItem(i);
  }
  return nullptr;
}

void TPNGList::RemoveChunk(TChunk* chunk) {
  if (Remove(chunk) != nullptr) delete chunk;
}

// ---- TChunk ----

TChunk::TChunk(TPNGObject* owner) : data_(1, 0), owner_(owner) {}

void TChunk::SetChunkName(const char* name) { std::memcpy(name_, name, 4); }

TChunk* TChunk::NewOfSameClass(TPNGObject* owner) const {
  TChunk* chunk = new TChunk(owner);
  chunk->SetChunkName(name_);
  return chunk;
}

void TChunk::ResizeData(uint32_t length) {
  try {
    data_.resize(size_t{length} + 1);
  } catch (const std::bad_alloc&) {
    RaiseError<EPNGOutMemory>(EPNGOutMemoryText);
  }
  dataSize_ = length;
}

void TChunk::Assign(TChunk* source) {
  SetChunkName(source->NameBytes());
  data_ = source->data_;
  dataSize_ = source->dataSize_;
}

const char* TChunk::NameBytes() const {
  // A chunk made by its class, not read, carries its class's name.
  static constexpr char kNoName[4] = {0, 0, 0, 0};
  if (std::memcmp(name_, kNoName, 4) == 0 && std::strlen(GetName()) == 4) return GetName();
  return name_;
}

uint32_t TChunk::ComputeCrc() const {
  uint32_t crc = update_crc(0xFFFFFFFFu, reinterpret_cast<const uint8_t*>(NameBytes()), 4);
  return ~update_crc(crc, data_.data(), dataSize_);
}

bool TChunk::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  SetChunkName(name);
  ResizeData(length);
  if (length > 0) stream->Read(Data(), static_cast<int>(length));
  uint8_t crc[4] = {0, 0, 0, 0};
  stream->Read(crc, 4);
  if (ReadBigEndian32(crc) != ComputeCrc()) RaiseError<EPngInvalidCRC>(EPNGInvalidCRCText);
  return true;
}

bool TChunk::SaveData(TStream* stream) {
  uint8_t number[4];
  WriteBigEndian32(number, dataSize_);
  stream->WriteBuffer(number, 4);
  stream->WriteBuffer(NameBytes(), 4);
  if (dataSize_ > 0) stream->WriteBuffer(Data(), static_cast<int>(dataSize_));
  WriteBigEndian32(number, ComputeCrc());
  stream->WriteBuffer(number, 4);
  return true;
}

int TChunk::GetIndex() const {
  const TPNGList& list = owner_->Chunks();
  for (unsigned i = 0; i < list.Count(); ++i) {
    if (list.GetItem(i) == this) return static_cast<int>(i);
  }
  return -1;
}

TChunkIHDR* TChunk::GetHeader() const {
  auto* header = dynamic_cast<TChunkIHDR*>(owner_->Chunks().GetItem(0));
  if (header == nullptr) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  return header;
}

void CheckChunkFits(TStream* stream, uint32_t length) {
  if (length > 0x7FFFFFFFu || stream->Position() + int64_t{length} + 4 > stream->Size()) {
    RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
  }
}

// ---- registry ----

namespace {

std::vector<const TChunkClass*>& Registry() {
  static std::vector<const TChunkClass*> registry;
  return registry;
}

}  // namespace

void RegisterChunk(const TChunkClass& chunkClass) { Registry().push_back(&chunkClass); }

void UnregisterChunks() { Registry().clear(); }

TChunk* CreateChunkByName(TPNGObject* owner, const char* name) {
  for (const TChunkClass* chunkClass : Registry()) {
    if (std::memcmp(chunkClass->name, name, 4) == 0 && chunkClass->name[4] == '\0') {
      TChunk* chunk = chunkClass->create(owner);
      chunk->SetChunkName(name);
      return chunk;
    }
  }
  TChunk* chunk = new TChunk(owner);
  chunk->SetChunkName(name);
  return chunk;
}
