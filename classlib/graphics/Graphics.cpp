#include "classlib/graphics/Graphics.h"

#include <mutex>

void InitializeGraphics() {
  static std::once_flag once;
  std::call_once(once, [] {
    TPicture::RegisterFileFormat("bmp", "Bitmaps", TBitmap::StaticClass());
    TPicture::RegisterFileFormat("ico", "Icons", TIcon::StaticClass());
    TPicture::RegisterFileFormat("jpg", "JPEG Image File", TJPEGImage::StaticClass());
    TPicture::RegisterFileFormat("jpeg", "JPEG Image File", TJPEGImage::StaticClass());
  });
}
