#include "classlib/runtime/Streams.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/SysUtils.h"

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t size) { (void)size; }

void TStream::ReadBuffer(void* buffer, int count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream* source, int64_t count) {
  if (count == 0) {
    source->SetPosition(0);
    count = source->Size();
  }
  constexpr int kChunk = 61440;
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[kChunk]);
  int64_t left = count;
  while (left > 0) {
    const int n = static_cast<int>(std::min<int64_t>(left, kChunk));
    source->ReadBuffer(buffer.get(), n);
    WriteBuffer(buffer.get(), n);
    left -= n;
  }
  return count;
}

int THandleStream::Read(void* buffer, int count) {
  DWORD done = 0;
  if (count <= 0 || !ReadFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) return 0;
  return static_cast<int>(done);
}

int THandleStream::Write(const void* buffer, int count) {
  DWORD done = 0;
  if (count <= 0 || !WriteFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) return 0;
  return static_cast<int>(done);
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin) {
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER result;
  const DWORD method = origin == soBeginning ? FILE_BEGIN : origin == soCurrent ? FILE_CURRENT : FILE_END;
  if (!SetFilePointerEx(handle_, distance, &result, method)) return -1;
  return result.QuadPart;
}

void THandleStream::SetSize(int64_t size) {
  const int64_t position = Position();
  Seek(size, soBeginning);
  if (!SetEndOfFile(handle_)) RaiseLastOSError();
  if (position < size) Seek(position, soBeginning);
}

namespace {
DWORD ShareFlags(unsigned mode) {
  switch (mode & 0xF0) {
    case fmShareExclusive: return 0;
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ;  // compatibility: others may read
  }
}

DWORD AccessFlags(unsigned mode) {
  switch (mode & 0x3) {
    case fmOpenWrite: return GENERIC_WRITE;
    case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
  }
}
}  // namespace

TFileStream::TFileStream(const AnsiString& fileName, unsigned mode)
    : THandleStream(INVALID_HANDLE_VALUE), fileName_(fileName) {
  const bool create = mode == fmCreate;
  handle_ = CreateFileA(fileName.c_str(), create ? GENERIC_READ | GENERIC_WRITE : AccessFlags(mode),
                        create ? FILE_SHARE_READ : ShareFlags(mode), nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const AnsiString reason = SysErrorMessage(GetLastError());
    if (create) throw EFCreateError(Format("Cannot create file \"%s\". %s", {fileName, reason}));
    throw EFOpenError(Format("Cannot open file \"%s\". %s", {fileName, reason}));
  }
}

TFileStream::~TFileStream() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void TCustomMemoryStream::SetPointer(void* memory, int64_t size) {
  memory_ = memory;
  size_ = size;
}

int TCustomMemoryStream::Read(void* buffer, int count) {
  if (count <= 0 || position_ >= size_) return 0;
  const int n = static_cast<int>(std::min<int64_t>(count, size_ - position_));
  std::memcpy(buffer, static_cast<unsigned char*>(memory_) + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : size_;
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* stream) {
  if (size_ > 0) stream->WriteBuffer(memory_, static_cast<int>(size_));
}

void TCustomMemoryStream::SaveToFile(const AnsiString& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(&file);
}

int TMemoryStream::Write(const void* buffer, int count) {
  if (count <= 0) return 0;
  const int64_t position = Position();
  const int64_t end = position + count;
  if (end > Size()) SetSize(end);
  std::memcpy(data_.data() + position, buffer, static_cast<size_t>(count));
  Seek(end, soBeginning);
  return count;
}

void TMemoryStream::SetSize(int64_t size) {
  const int64_t position = Position();
  data_.resize(static_cast<size_t>(size));
  SetPointer(data_.data(), size);
  if (position > size) Seek(0, soEnd);
}

void TMemoryStream::Clear() {
  SetSize(0);
  Seek(0, soBeginning);
}

void TMemoryStream::LoadFromStream(TStream* stream) {
  stream->SetPosition(0);
  const int64_t size = stream->Size();
  SetSize(size);
  if (size > 0) stream->ReadBuffer(data_.data(), static_cast<int>(size));
  Seek(0, soBeginning);
}

void TMemoryStream::LoadFromFile(const AnsiString& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

TResourceStream::TResourceStream(HINSTANCE instance, const AnsiString& name, const char* type) {
  Initialize(instance, name.c_str(), type, name);
}

TResourceStream::TResourceStream(HINSTANCE instance, int id, const char* type) {
  Initialize(instance, MAKEINTRESOURCEA(id), type, IntToStr(id));
}

void TResourceStream::Initialize(HINSTANCE instance, const char* name, const char* type, const AnsiString& shownName) {
  HRSRC info = FindResourceA(instance, name, type);
  HGLOBAL global = info != nullptr ? LoadResource(instance, info) : nullptr;
  void* memory = global != nullptr ? LockResource(global) : nullptr;
  if (memory == nullptr) throw EResNotFound(Format("Resource %s not found", {shownName}));
  // Module resources stay mapped as long as the module; nothing to release.
  SetPointer(memory, SizeofResource(instance, info));
}

int TResourceStream::Write(const void* buffer, int count) {
  (void)buffer;
  (void)count;
  throw EStreamError("Can't write to a read-only resource stream");
}
