#include "classlib/graphics/JPEGImage.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "classlib/graphics/Bitmap.h"

// libjpeg reports failures through error_exit, which must not return; the jump below
// leaves the library's frames without unwinding them, so the routines that jump hold
// plain data only and C++ objects stay outside.
#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings are ignored, except data that ends early: that picture is refused.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(info);
}

void InitErrors(ErrorManager& manager) {
  jpeg_std_error(&manager.base);
  manager.base.error_exit = ErrorExit;
  manager.base.emit_message = EmitMessage;
  manager.message[0] = '\0';
}

// Reads the size of a JPEG and, when `rows` is given (one pointer per output row, top
// first, 3 bytes per pixel BGR), decodes into them; false with `message` filled.
bool ReadJpeg(const uint8_t* data, size_t size, int& width, int& height, uint8_t* const* rows,
              ErrorManager& errors) {
  jpeg_decompress_struct info;
  info.err = &errors.base;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;
  jpeg_calc_output_dimensions(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  if (rows != nullptr) {
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = rows[info.output_scanline];
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
  }
  jpeg_destroy_decompress(&info);
  return true;
}

// Compresses BGR rows; the output buffer is the library's (freed with free()).
bool Encode(uint8_t* const* rows, int width, int height, int quality, unsigned char** output,
            unsigned long* outputSize, ErrorManager& errors) {
  jpeg_compress_struct info;
  info.err = &errors.base;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, output, outputSize);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = rows[info.next_scanline];
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

[[noreturn]] void Invalid(const ErrorManager& errors) {
  throw EInvalidGraphic(AnsiString("JPEG image is not valid: ") + errors.message);
}

std::vector<uint8_t*> RowsOf(TBitmap& bitmap) {
  std::vector<uint8_t*> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) rows[y] = static_cast<uint8_t*>(bitmap.ScanLine(y));
  return rows;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() { delete bitmap_; }

int TJPEGImage::Width() const { return bitmap_ != nullptr ? bitmap_->Width() : 0; }
int TJPEGImage::Height() const { return bitmap_ != nullptr ? bitmap_->Height() : 0; }

void TJPEGImage::SetWidth(int width) {
  if (width != Width()) throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int height) {
  if (height != Height()) throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
  if (bitmap_ != nullptr) bitmap_->Draw(canvas, rect);
}

void TJPEGImage::LoadData(std::vector<uint8_t> data) {
  FreeAndNil(bitmap_);
  data_.clear();
  ErrorManager errors;
  InitErrors(errors);
  int width = 0;
  int height = 0;
  if (data.empty() || !ReadJpeg(data.data(), data.size(), width, height, nullptr, errors)) Invalid(errors);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  std::vector<uint8_t*> rows = RowsOf(*bitmap);
  if (!ReadJpeg(data.data(), data.size(), width, height, rows.data(), errors)) Invalid(errors);
  bitmap_ = bitmap.release();
  data_ = std::move(data);
  Changed();
}

void TJPEGImage::LoadFromStream(TStream* stream) {
  int64_t rest = stream->Size() - stream->Position();
  if (rest < 0 || rest > (int64_t{256} << 20)) rest = 0;
  std::vector<uint8_t> data(static_cast<size_t>(rest));
  if (rest > 0) stream->ReadBuffer(data.data(), static_cast<int>(rest));
  LoadData(std::move(data));
}

void TJPEGImage::SaveToStream(TStream* stream) {
  if (!data_.empty()) stream->WriteBuffer(data_.data(), static_cast<int>(data_.size()));
}

void TJPEGImage::ReadData(TStream* stream) {
  int32_t size = 0;
  stream->ReadBuffer(&size, sizeof(size));
  if (size < 0 || size > (256 << 20)) throw EInvalidGraphic("JPEG image is not valid");
  std::vector<uint8_t> data(static_cast<size_t>(size));
  if (size > 0 && stream->Read(data.data(), size) != size) throw EInvalidGraphic("JPEG image is not valid");
  LoadData(std::move(data));
}

void TJPEGImage::WriteData(TStream* stream) {
  auto size = static_cast<int32_t>(data_.size());
  stream->WriteBuffer(&size, sizeof(size));
  SaveToStream(stream);
}

void TJPEGImage::Compress(TBitmap* source) {
  TBitmap pixels;
  pixels.Assign(source);
  pixels.SetTransparent(false);
  pixels.SetPixelFormat(pf24bit);
  std::vector<uint8_t*> rows = RowsOf(pixels);
  ErrorManager errors;
  InitErrors(errors);
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  bool done = Encode(rows.data(), pixels.Width(), pixels.Height(), quality_, &output, &outputSize, errors);
  std::unique_ptr<unsigned char, decltype(&std::free)> owned(output, &std::free);
  if (!done) Invalid(errors);
  LoadData(std::vector<uint8_t>(output, output + outputSize));
}

void TJPEGImage::Assign(TPersistent* source) {
  if (source == this) return;
  if (auto* jpeg = dynamic_cast<TJPEGImage*>(source)) {
    quality_ = jpeg->quality_;
    if (jpeg->Empty()) {
      FreeAndNil(bitmap_);
      data_.clear();
      Changed();
    } else {
      LoadData(jpeg->data_);
    }
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    if (bitmap->Empty()) throw EInvalidGraphicOperation("Cannot compress an empty picture");
    Compress(bitmap);
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    TBitmap bitmap;
    bitmap.Assign(graphic);
    Assign(&bitmap);
    return;
  }
  TGraphic::Assign(source);
}
