#include "classlib/graphics/Graphics.h"

#include <mutex>

void InitializeGraphics() {
  static std::once_flag once;
  std::call_once(once, [] {
    TPicture::RegisterFileFormat("bmp", "Bitmaps", TBitmap::StaticClass());
    TPicture::RegisterFileFormat("ico", "Icons", TIcon::StaticClass());
    TPicture::RegisterFileFormat("jpg", "JPEG Image File", TJPEGImage::StaticClass());
    TPicture::RegisterFileFormat("jpeg", "JPEG Image File", TJPEGImage::StaticClass());
    TPicture::RegisterFileFormat("emf", "Enhanced Metafiles", TMetafile::StaticClass());
    TPicture::RegisterFileFormat("wmf", "Metafiles", TMetafile::StaticClass());
    TPicture::RegisterClipboardFormat(CF_BITMAP, TBitmap::StaticClass());
    TPicture::RegisterClipboardFormat(CF_ENHMETAFILE, TMetafile::StaticClass());
  });
}
