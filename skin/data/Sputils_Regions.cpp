#include "skin/data/Sputils_Regions.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_FBitmap.h"

namespace {

struct TRegionDeleter {
  void operator()(HRGN region) const { DeleteObject(region); }
};
using TRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, TRegionDeleter>;

struct TModuleDeleter {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, TModuleDeleter>;

bool IsBlack(const uint8_t* pixel) { return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0; }

// The runs of black pixels of every row, moved by x, y.
std::vector<RECT> BlackRuns(TBitmap* mask, int x, int y) {
  TFBitmap pixels(mask->Handle());
  std::vector<RECT> runs;
  for (int row = 0; row < pixels.Height(); ++row) {
    const uint8_t* line = pixels.ScanLine(row);
    int column = 0;
    while (column < pixels.Width()) {
      if (!IsBlack(line + 3 * column)) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < pixels.Width() && IsBlack(line + 3 * column)) ++column;
      runs.push_back(RECT{start + x, row + y, column + x, row + y + 1});
    }
  }
  return runs;
}

// A region of the mask's black pixels moved by x, y (null for an empty mask).
TRegion RegionOf(TBitmap* mask, int x, int y) {
  std::vector<uint8_t> data;
  const int size = CreateRgnFromBmp(mask, x, y, data);
  if (size == 0) return nullptr;
  return TRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

int CreateRgnFromBmp(TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data) {
  if (Mask == nullptr || Mask->Empty()) return 0;
  const std::vector<RECT> runs = BlackRuns(Mask, X, Y);
  const size_t size = sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT);
  std::vector<uint8_t> block(size, 0);
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(runs.size());
  header.nRgnSize = 0;
  header.rcBound = RECT{X, Y, X + Mask->Width(), Y + Mask->Height()};
  std::memcpy(block.data(), &header, sizeof header);
  if (!runs.empty()) std::memcpy(block.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
  Data = std::move(block);
  return static_cast<int>(size);
}

void CreateSkinMask(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                    const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                    TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask, TBitmap* BottomMask,
                    int W, int /*H*/) {
  using skincompose::TAxis;
  using skincompose::TStrip;
  if (Mask == nullptr || Mask->Empty()) return;
  const int mw = Mask->Width();
  const int mh = Mask->Height();
  const int clientHeight = NCR.Height();
  auto side = [&](TBitmap* strip, int from, int to, int topY, int bottomY) {
    TStrip plan{TAxis::Vertical, Rect(from, 0, to, mh), to - from};
    plan.Middle = {topY, bottomY, 0, clientHeight};
    plan.Head = {CR.Top, topY, 0, topY - CR.Top};
    plan.Tail = {bottomY, CR.Bottom, clientHeight - (CR.Bottom - bottomY), clientHeight};
    skincompose::DrawStrip(strip, Mask, plan, clientHeight);
  };
  if (CR.Left > 0 && clientHeight > 0) side(LeftMask, 0, CR.Left, LT.Y, LB.Y);
  if (mw - CR.Right > 0 && clientHeight > 0) side(RightMask, CR.Right, mw, RT.Y, RB.Y);
  auto end = [&](TBitmap* strip, int from, int to, int leftX, int rightX, int newLeftX, int newRightX) {
    TStrip plan{TAxis::Horizontal, Rect(0, from, mw, to), to - from};
    plan.Middle = {leftX, rightX, newLeftX, newRightX};
    plan.Head = {0, leftX, 0, leftX};
    plan.Tail = {rightX, mw, newRightX, W};
    skincompose::DrawStrip(strip, Mask, plan, W);
  };
  if (W > 0 && CR.Top > 0) end(TopMask, 0, CR.Top, LT.X, RT.X, NLT.X, NRT.X);
  if (W >= 1 && mh - CR.Bottom >= 1) end(BottomMask, CR.Bottom, mh, LB.X, RB.X, NLB.X, NRB.X);
}

void CreateSkinRegion(HRGN& Rgn, const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                      const TRect& CR, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                      const TRect& NCR, TBitmap* Mask, int W, int H) {
  Rgn = nullptr;
  if (NRT.X < NLT.X || NLB.Y < NLT.Y || NCR.IsEmpty()) return;
  TBitmap top, left, right, bottom;
  CreateSkinMask(LT, RT, LB, RB, CR, NLT, NRT, NLB, NRB, NCR, Mask, &top, &left, &right, &bottom, W, H);
  const TRegion strips[] = {RegionOf(&top, 0, 0), RegionOf(&bottom, 0, NCR.Bottom), RegionOf(&left, 0, NCR.Top),
                            RegionOf(&right, NCR.Right, NCR.Top)};
  Rgn = CreateRectRgn(NCR.Left, NCR.Top, NCR.Right, NCR.Bottom);
  if (Rgn == nullptr) return;
  for (const TRegion& strip : strips) {
    if (strip) CombineRgn(Rgn, Rgn, strip.get(), RGN_OR);
  }
}

void CreateSkinSimplyRegion(HRGN& Rgn, TBitmap* Mask) { Rgn = RegionOf(Mask, 0, 0).release(); }

void SetAlphaBlendTransparent(HWND Handle, int Value) {
  using TSetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  const TModule user32(LoadLibraryA("USER32"));
  if (!user32) return;
  auto set = reinterpret_cast<TSetLayered>(
      reinterpret_cast<void*>(GetProcAddress(user32.get(), "SetLayeredWindowAttributes")));
  if (set != nullptr) set(Handle, 0, static_cast<BYTE>(Value), LWA_ALPHA);
}

void FadeInAlphaBlend(HWND Handle, int Value, int Step, DWORD TickMs, const std::function<void()>& OnStep) {
  int current = 0;
  DWORD last = GetTickCount();
  while (current < Value) {
    if (GetTickCount() - last <= TickMs) {
      Sleep(1);
      continue;
    }
    last = GetTickCount();
    current = std::min(current + Step, Value);
    SetAlphaBlendTransparent(Handle, current);
    if (OnStep) OnStep();
  }
}
