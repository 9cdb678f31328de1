#include "skin/data/Skindata_Stored.h"

#include <cstdint>

#include "classlib/formres/Filer.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Spzlibcompress.h"

namespace {

constexpr int32_t kFileVersion = 2;
constexpr int32_t kLayoutVersion = 2;

void WriteInt(TStream* stream, int32_t value) { stream->WriteBuffer(&value, sizeof(value)); }

void WritePictureRecord(TStream* stream, TBitmap* bitmap) {
  const unsigned char empty = bitmap->Empty() ? 1 : 0;
  stream->WriteBuffer(&empty, 1);
  if (!empty) bitmap->SaveToStream(stream);
}

void WriteBmpFile(TStream* stream, const AnsiString& fileName, bool asRecord) {
  TBitmap bitmap;
  bitmap.LoadFromFile(fileName);
  if (asRecord) {
    WritePictureRecord(stream, &bitmap);
  } else {
    bitmap.SaveToStream(stream);
  }
}

void FailRead() { throw EReadError("Stream read error"); }

}  // namespace

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

void TspCompressedStoredSkin::LoadFromSkinData(TspSkinData* skinData) {
  TMemoryStream skinStream;
  WriteInt(&skinStream, kLayoutVersion);
  for (TBitmap* bitmap : {skinData->Picture.get(), skinData->InActivePicture.get(), skinData->MaskPicture.get(),
                          skinData->RollUpPicture.get(), skinData->RollUpMaskPicture.get()}) {
    WritePictureRecord(&skinStream, bitmap);
  }
  WriteInt(&skinStream, static_cast<int32_t>(skinData->ActivePictures.size()));
  for (const auto& bitmap : skinData->ActivePictures) bitmap->SaveToStream(&skinStream);
  TMemIniFile description("");
  skinData->SaveToCustomIniFile(&description);
  TStringList lines;
  description.GetStrings(&lines);
  lines.SaveToStream(&skinStream);
  data_.Clear();
  CompressStream(&skinStream, &data_);
}

void TspCompressedStoredSkin::LoadFromIniFile(const AnsiString& fileName) {
  TStringList lines;
  lines.LoadFromFile(fileName);
  TMemIniFile ini(fileName);
  if (!CheckSkinSections(&ini)) return;
  AnsiString folder = ExtractFilePath(fileName);
  data_.Clear();
  TMemoryStream skinStream;
  WriteInt(&skinStream, kLayoutVersion);
  for (const char* key : {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"}) {
    AnsiString name = ini.ReadString("PICTURES", key, AnsiString());
    if (name.IsEmpty()) {
      const unsigned char empty = 1;
      skinStream.WriteBuffer(&empty, 1);
    } else {
      WriteBmpFile(&skinStream, folder + name, true);
    }
  }
  TStringList names;
  ReadStrings1(&ini, "PICTURES", "activepictures", &names);
  WriteInt(&skinStream, names.Count());
  for (int i = 0; i < names.Count(); ++i) WriteBmpFile(&skinStream, folder + names.Strings(i), false);
  lines.SaveToStream(&skinStream);
  CompressStream(&skinStream, &data_);
}

void TspCompressedStoredSkin::LoadFromCompressFile(const AnsiString& fileName) {
  data_.Clear();
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  ReadBlock(&file);
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream* stream) {
  data_.Clear();
  stream->SetPosition(0);
  ReadBlock(stream);
}

void TspCompressedStoredSkin::ReadBlock(TStream* stream) {
  int32_t version = 0;
  stream->ReadBuffer(&version, sizeof(version));
  if (version > 3) return;
  int32_t length = 0;
  stream->ReadBuffer(&length, sizeof(length));
  if (length < 0 || length > stream->Size() - stream->Position()) FailRead();
  if (length > 0) data_.CopyFrom(stream, length);
  data_.SetPosition(0);
}

void TspCompressedStoredSkin::SaveToCompressFile(const AnsiString& fileName) {
  if (GetEmpty()) return;
  TFileStream file(fileName, fmCreate);
  SaveToCompressStream(&file);
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream* stream) {
  WriteInt(stream, kFileVersion);
  WriteInt(stream, static_cast<int32_t>(data_.Size()));
  if (data_.Size() > 0) {
    data_.SetPosition(0);
    stream->CopyFrom(&data_, data_.Size());
  }
}

void TspCompressedStoredSkin::DeCompressToStream(TStream* stream) {
  DeCompressStream(stream, &data_, kMaxSkinStreamSize);
}

void TspCompressedStoredSkin::DefineProperties(TFiler* filer) {
  TComponent::DefineProperties(filer);
  filer->DefineBinaryProperty("CompressedData", [this](TStream* stream) {
    data_.Clear();
    if (stream->Size() > 0) data_.CopyFrom(stream, 0);
    data_.SetPosition(0);
  });
}
