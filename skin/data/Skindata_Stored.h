#pragma once
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Streams.h"

class TspSkinData;

// A skin kept as one compressed block: a zlib stream of the skin stream (layout version,
// picture records, active pictures as BMP images, then the description's text). A
// compressed skin file holds the file version (2), the block's length and the block.
class TspCompressedStoredSkin : public TComponent {
  CLASSLIB_CLASS(TspCompressedStoredSkin, TComponent)
 public:
  // Skin streams inflate to at most this size; a larger one is refused.
  static constexpr int64_t kMaxSkinStreamSize = int64_t{256} * 1024 * 1024;

  explicit TspCompressedStoredSkin(TComponent* owner);

  bool GetEmpty() const { return const_cast<TMemoryStream&>(data_).Size() == 0; }
  TMemoryStream* CompressedData() { return &data_; }

  // Fills the block from a loaded skin data.
  void LoadFromSkinData(TspSkinData* skinData);
  // Fills the block from a skin folder whose pictures are BMP files; a file that is not
  // a skin description leaves the block as it was.
  void LoadFromIniFile(const AnsiString& fileName);
  // A version above 3 leaves the block empty; a length of 0 gives an empty block; a
  // header cut short, a negative length or data shorter than the length raise EReadError
  // and leave the block empty.
  void LoadFromCompressFile(const AnsiString& fileName);
  void LoadFromCompressStream(TStream* stream);
  // An empty block writes no file.
  void SaveToCompressFile(const AnsiString& fileName);
  void SaveToCompressStream(TStream* stream);
  // Inflates the block onto `stream` at its position (EDecompressionError beyond
  // kMaxSkinStreamSize).
  void DeCompressToStream(TStream* stream);
  // Form resources: "CompressedData", the block byte for byte.
  void DefineProperties(TFiler* filer) override;

  AnsiString Description;
  AnsiString FileName;
  AnsiString CompressedFileName;

 private:
  void ReadBlock(TStream* stream);

  TMemoryStream data_;
};
