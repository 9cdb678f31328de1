#pragma once
#include <cstdint>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position. Read and Write move as many bytes as they can
// and answer the count; ReadBuffer and WriteBuffer move all or raise EReadError
// "Stream read error" / EWriteError "Stream write error".
class TStream : public TObject {
  CLASSLIB_CLASS(TStream, TObject)
 public:
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);

  void ReadBuffer(void* buffer, int count);
  void WriteBuffer(const void* buffer, int count);
  // Copies `count` bytes from `source`'s position; a count of 0 copies the whole source
  // from its start. Answers the bytes copied.
  int64_t CopyFrom(TStream* source, int64_t count);
};

// A stream over a system file handle (not closed by this class).
class THandleStream : public TStream {
  CLASSLIB_CLASS(THandleStream, TStream)
 public:
  explicit THandleStream(HANDLE handle) : handle_(handle) {}
  HANDLE Handle() const { return handle_; }
  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;

 protected:
  HANDLE handle_;
};

// Open modes: one access mode combined with one sharing mode, or fmCreate.
constexpr unsigned fmOpenRead = 0x0000;
constexpr unsigned fmOpenWrite = 0x0001;
constexpr unsigned fmOpenReadWrite = 0x0002;
constexpr unsigned fmShareCompat = 0x0000;
constexpr unsigned fmShareExclusive = 0x0010;
constexpr unsigned fmShareDenyWrite = 0x0020;
constexpr unsigned fmShareDenyRead = 0x0030;
constexpr unsigned fmShareDenyNone = 0x0040;
constexpr unsigned fmCreate = 0xFFFF;  // creates or empties the file, opened for reading and writing

// A stream over a named file it opens and closes. A failure raises EFCreateError
// "Cannot create file "%s". <reason>" or EFOpenError "Cannot open file "%s". <reason>".
class TFileStream : public THandleStream {
  CLASSLIB_CLASS(TFileStream, THandleStream)
 public:
  TFileStream(const AnsiString& fileName, unsigned mode);
  ~TFileStream() override;
  const AnsiString& FileName() const { return fileName_; }

 private:
  AnsiString fileName_;
};

// A stream over a memory block it holds.
class TCustomMemoryStream : public TStream {
  CLASSLIB_CLASS(TCustomMemoryStream, TStream)
 public:
  int Read(void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }
  void* Memory() const { return memory_; }
  void SaveToStream(TStream* stream);
  void SaveToFile(const AnsiString& fileName);

 protected:
  void SetPointer(void* memory, int64_t size);

 private:
  void* memory_ = nullptr;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// A growing memory stream.
class TMemoryStream : public TCustomMemoryStream {
  CLASSLIB_CLASS(TMemoryStream, TCustomMemoryStream)
 public:
  TMemoryStream() = default;
  int Write(const void* buffer, int count) override;
  void SetSize(int64_t size) override;
  void Clear();
  // Replaces the content with the whole of `stream` (from its start) or of the file.
  void LoadFromStream(TStream* stream);
  void LoadFromFile(const AnsiString& fileName);

 private:
  std::vector<unsigned char> data_;
};

// A read-only stream over a module's resource. A missing resource raises EResNotFound
// "Resource %s not found"; writing raises EStreamError.
class TResourceStream : public TCustomMemoryStream {
  CLASSLIB_CLASS(TResourceStream, TCustomMemoryStream)
 public:
  TResourceStream(HINSTANCE instance, const AnsiString& name, const char* type);
  TResourceStream(HINSTANCE instance, int id, const char* type);
  int Write(const void* buffer, int count) override;

 private:
  void Initialize(HINSTANCE instance, const char* name, const char* type, const AnsiString& shownName);
};
