#include "classlib/graphics/ImageList.h"

#include <array>
#include <memory>
#include <objidl.h>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Icon.h"

namespace {

HBITMAP ReadyHandle(TBitmap* bitmap) {
  if (bitmap == nullptr) return nullptr;
  bitmap->FreeContext();
  return bitmap->Handle();
}

// A COM stream over global memory, released when it goes.
class GlobalStream {
 public:
  explicit GlobalStream(HGLOBAL memory) {
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream_))) throw EOutOfResources("Out of system resources");
  }
  ~GlobalStream() { stream_->Release(); }
  GlobalStream(const GlobalStream&) = delete;
  GlobalStream& operator=(const GlobalStream&) = delete;
  IStream* get() const { return stream_; }

 private:
  IStream* stream_ = nullptr;
};

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() { FreeHandle(); }

void TCustomImageList::FreeHandle() {
  if (handle_ != nullptr && !shareImages_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

void TCustomImageList::Change() { OnChange(this); }

void TCustomImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width < 1 ? 1 : width;
  height_ = height < 1 ? 1 : height;
  FreeHandle();
  Change();
}

void TCustomImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  FreeHandle();
  Change();
}

void TCustomImageList::SetBkColor(TColor color) {
  bkColor_ = color;
  if (handle_ != nullptr) {
    ImageList_SetBkColor(handle_, color == clNone ? CLR_NONE : static_cast<COLORREF>(ColorToRGB(color)));
  }
  Change();
}

HIMAGELIST TCustomImageList::Handle() {
  if (handle_ == nullptr) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), allocBy_, allocBy_);
    if (handle_ == nullptr) throw EOutOfResources("Out of system resources");
    ImageList_SetBkColor(handle_, bkColor_ == clNone ? CLR_NONE : static_cast<COLORREF>(ColorToRGB(bkColor_)));
  }
  return handle_;
}

void TCustomImageList::SetHandle(HIMAGELIST handle) {
  if (handle == handle_) return;
  FreeHandle();
  handle_ = handle;
  if (handle_ != nullptr) ImageList_GetIconSize(handle_, &width_, &height_);
  Change();
}

int TCustomImageList::Count() { return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw EInvalidOperation("Invalid ImageList Index");
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  int index = ImageList_Add(Handle(), ReadyHandle(image), ReadyHandle(mask));
  if (index < 0) throw EInvalidOperation("Failed to add image");
  Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  // The system blackens the masked pixels of the bitmap it is given: it gets a copy.
  TBitmap copy;
  copy.Assign(image);
  int index = ImageList_AddMasked(Handle(), ReadyHandle(&copy), static_cast<COLORREF>(ColorToRGB(maskColor)));
  if (index < 0) throw EInvalidOperation("Failed to add image");
  Change();
  return index;
}

int TCustomImageList::AddIcon(TIcon* icon) {
  int index = ImageList_AddIcon(Handle(), icon->Handle());
  if (index < 0) throw EInvalidOperation("Failed to add image");
  Change();
  return index;
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index, Count() + 1);
  int count = Count();
  Add(image, mask);
  Add(image, mask);
  MoveAdded(count, index);
}

void TCustomImageList::InsertMasked(int index, TBitmap* image, TColor maskColor) {
  CheckIndex(index, Count() + 1);
  int count = Count();
  AddMasked(image, maskColor);
  AddMasked(image, maskColor);
  MoveAdded(count, index);
}

// The new images were added twice at the end, from `first` on: the images from `index`
// move up to make room, the second copies fill the room and are then removed.
void TCustomImageList::MoveAdded(int first, int index) {
  int added = (Count() - first) / 2;
  for (int at = first - 1; at >= index; --at) ImageList_Copy(handle_, at + added, handle_, at, ILCF_MOVE);
  for (int i = 0; i < added; ++i) ImageList_Copy(handle_, index + i, handle_, first + added + i, ILCF_MOVE);
  for (int i = 0; i < added; ++i) ImageList_Remove(handle_, first + added);
  Change();
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index, Count());
  ImageList_Replace(handle_, index, ReadyHandle(image), ReadyHandle(mask));
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index, Count());
  ImageList_Remove(handle_, index);
  Change();
}

void TCustomImageList::Clear() {
  if (handle_ != nullptr) ImageList_Remove(handle_, -1);
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  CheckIndex(index, Count());
  image->SetPixelFormat(pf24bit);
  image->SetSize(width_, height_);
  ImageList_Draw(handle_, index, image->Canvas()->Handle(), 0, 0, ILD_NORMAL);
}

void TCustomImageList::GetIcon(int index, TIcon* icon) {
  CheckIndex(index, Count());
  icon->SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  Draw(canvas, x, y, index, drawingStyle_, imageType_, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled) {
  if (index < 0 || index >= Count()) return;
  static constexpr std::array<UINT, 4> kStyles{ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  UINT flags = kStyles[style] | (type == itMask ? ILD_MASK : 0);
  DoDraw(index, canvas, x, y, flags, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) {
  if (!enabled) {
    DrawDisabled(index, canvas, x, y);
    return;
  }
  ImageList_DrawEx(handle_, index, canvas->Handle(), x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

// The disabled look: the dark pixels of the image drawn in the button shadow colour, with
// a copy one pixel down and right in the highlight colour beneath them.
void TCustomImageList::DrawDisabled(int index, TCanvas* canvas, int x, int y) {
  auto shadow = static_cast<COLORREF>(ColorToRGB(clBtnShadow));
  auto highlight = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
  COLORREF key = RGB(255, 0, 255);
  for (COLORREF candidate : {RGB(255, 0, 255), RGB(0, 255, 1), RGB(1, 2, 3)}) {
    if (candidate != shadow && candidate != highlight) {
      key = candidate;
      break;
    }
  }
  TBitmap image;
  image.SetSize(width_, height_);
  image.Canvas()->Brush()->SetColor(clWhite);
  image.Canvas()->FillRect(Rect(0, 0, width_, height_));
  ImageList_DrawEx(handle_, index, image.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  TBitmap mask;
  mask.SetSize(width_, height_);
  ImageList_DrawEx(handle_, index, mask.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);

  TBitmap result;
  result.SetSize(width_ + 1, height_ + 1);
  result.Canvas()->Brush()->SetColor(static_cast<TColor>(key));
  result.Canvas()->FillRect(Rect(0, 0, width_ + 1, height_ + 1));
  auto dark = [&](int px, int py) {
    const auto* m = static_cast<const uint8_t*>(mask.ScanLine(py)) + px * 4;
    if (masked_ && m[0] + m[1] + m[2] > 3 * 128) return false;  // transparent pixel
    const auto* p = static_cast<const uint8_t*>(image.ScanLine(py)) + px * 4;
    return p[2] * 30 + p[1] * 59 + p[0] * 11 < 192 * 100;
  };
  auto put = [&](int px, int py, COLORREF color) {
    auto* p = static_cast<uint8_t*>(result.ScanLine(py)) + px * 4;
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
  };
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      if (dark(px, py)) put(px + 1, py + 1, highlight);
    }
  }
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      if (dark(px, py)) put(px, py, shadow);
    }
  }
  result.SetTransparentColor(static_cast<TColor>(key));
  result.SetTransparent(true);
  canvas->Draw(x, y, &result);
}

void TCustomImageList::ReadData(TStream* stream) {
  int32_t size = 0;
  stream->ReadBuffer(&size, sizeof(size));
  if (size <= 0 || size > (64 << 20)) throw EReadError("Failed to read ImageList data from stream");
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
  if (memory == nullptr) throw EOutOfResources("Out of system resources");
  void* bytes = GlobalLock(memory);
  int read = stream->Read(bytes, size);
  GlobalUnlock(memory);
  GlobalStream source(memory);
  HIMAGELIST handle = read == size ? ImageList_Read(source.get()) : nullptr;
  if (handle == nullptr) throw EReadError("Failed to read ImageList data from stream");
  FreeHandle();
  shareImages_ = false;  // the list read is this list's own
  SetHandle(handle);
}

void TCustomImageList::WriteData(TStream* stream) {
  GlobalStream target(nullptr);
  if (!ImageList_Write(Handle(), target.get())) throw EWriteError("Failed to write ImageList data to stream");
  HGLOBAL memory = nullptr;
  GetHGlobalFromStream(target.get(), &memory);
  STATSTG stat{};
  target.get()->Stat(&stat, STATFLAG_NONAME);
  auto size = static_cast<int32_t>(stat.cbSize.QuadPart);
  stream->WriteBuffer(&size, sizeof(size));
  void* bytes = GlobalLock(memory);
  stream->WriteBuffer(bytes, size);
  GlobalUnlock(memory);
}
