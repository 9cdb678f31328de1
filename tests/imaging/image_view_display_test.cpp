#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "classlib/windowing/Forms.h"
#include "imaging/Bitmap32_Image.h"
#include "test_support.h"

namespace {

using namespace imaging;
using TRect = imaging::TRect;

constexpr TColor32 kFrame = 0xFF2080C0;
constexpr TColor32 kOther = 0xFFC04010;

// COLORREF (0x00BBGGRR) of a 32-bit colour.
COLORREF Screen(TColor32 color) { return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF); }

class ViewOnScreen : public testing::Test {
 protected:
  void SetUp() override {
    form.reset(NewForm<TForm>(nullptr, CreateNew));
    form->SetBounds(40, 40, 320, 260);
  }

  template <class C>
  C* Place(int width, int height) {
    auto* control = new C(form.get());
    control->SetParent(form.get());
    control->SetBounds(0, 0, width, height);
    return control;
  }

  void ShowForm() {
    form->Show();
    testsupport::PumpMessages(300);
  }

  // The colour the screen shows at a point of a control's client area.
  static COLORREF At(TWinControl* control, int x, int y) {
    POINT p{x, y};
    ClientToScreen(control->Handle(), &p);
    return testsupport::ScreenPixel(p.x, p.y) & 0xFFFFFF;
  }

  // Every 20th column and the last one of the rows first..last show `color`.
  static bool RowsShow(TWinControl* control, int first, int last, COLORREF color) {
    std::vector<int> columns;
    for (int x = 0; x < control->Width() - 1; x += 20) columns.push_back(x);
    columns.push_back(control->Width() - 1);
    for (int y = first; y <= last; ++y) {
      for (int x : columns) {
        if (At(control, x, y) != color) return false;
      }
    }
    return true;
  }

  std::unique_ptr<TForm> form;
};

TEST_F(ViewOnScreen, MainPreviewShowsGreyMarginsAroundTheFittedFrame) {
  auto* view = Place<TImage32>(201, 169);
  view->SetColor(static_cast<TColor>(0x555555));
  view->SetScaleMode(smResize);
  view->SetBitmapAlign(baCenter);
  view->Bitmap()->SetSize(640, 480);
  view->Bitmap()->Clear(kFrame);
  ShowForm();
  view->Invalidate();
  view->Update();
  testsupport::PumpMessages(100);  // lets the display catch up
  EXPECT_TRUE(RowsShow(view, 0, 8, 0x555555));
  EXPECT_TRUE(RowsShow(view, 9, 159, Screen(kFrame)));
  EXPECT_TRUE(RowsShow(view, 160, 168, 0x555555));

  view->Bitmap()->BeginUpdate();
  view->Bitmap()->Clear(kOther);
  view->Bitmap()->EndUpdate();
  view->Changed();
  view->Update();
  testsupport::PumpMessages(100);
  EXPECT_TRUE(RowsShow(view, 9, 159, Screen(kOther)));
  EXPECT_TRUE(RowsShow(view, 0, 8, 0x555555));
}

struct TMouseLog {
  std::vector<TCustomLayer*> downs;
  void Down(TObject*, TMouseButton, TShiftState, int, int, TCustomLayer* layer) { downs.push_back(layer); }
  int layerDowns = 0;
  void LayerDown(TObject*, TMouseButton, TShiftState, int, int) { ++layerDowns; }
};

TEST_F(ViewOnScreen, LeftPressCapturesTheMouseAndNamesTheLayerHit) {
  auto* view = Place<TImage32>(100, 100);
  TMouseLog log;
  view->OnMouseDown = TImgMouseEvent(&log, &TMouseLog::Down);
  ShowForm();
  view->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(view, GetCaptureControl());
  view->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_NE(view, GetCaptureControl());
  ASSERT_EQ(1u, log.downs.size());
  EXPECT_EQ(nullptr, log.downs[0]);

  auto* layer = view->Layers()->Add<TPositionedLayer>();
  layer->SetLocation(TFloatRect{0, 0, 50, 50});
  layer->SetLayerOptions(layer->LayerOptions() | LOB_NO_CAPTURE);
  layer->OnMouseDown = TMouseEvent(&log, &TMouseLog::LayerDown);
  view->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
  view->Perform(WM_MBUTTONUP, 0, MAKELPARAM(10, 10));
  ASSERT_EQ(2u, log.downs.size());
  EXPECT_EQ(layer, log.downs[1]);
  EXPECT_EQ(0, log.layerDowns);
}

// Counts buffer paints and keeps the rectangles each was asked to copy.
struct TPaintLog {
  TPaintBox32* box = nullptr;
  int paints = 0;
  std::vector<TRect> rects;
  void PaintBuffer(TObject*) {
    ++paints;
    rects.clear();
    for (int32_t i = 0; i < box->InvalidRects()->Count(); ++i) rects.push_back(*box->InvalidRects()->Get(i));
  }
};

TEST_F(ViewOnScreen, DirectModeRepaintsTheDrawnAreaAtOnceAndFullModeWaits) {
  auto* box = Place<TPaintBox32>(100, 100);
  TPaintLog log;
  log.box = box;
  box->OnPaintBuffer = TNotifyEvent(&log, &TPaintLog::PaintBuffer);
  ShowForm();
  box->SetRepaintMode(rmDirect);
  testsupport::PumpMessages(100);
  const int before = log.paints;
  box->BackBuffer()->FillRect(10, 20, 30, 40, 0xFF00FF00);
  EXPECT_EQ(before + 1, log.paints);
  EXPECT_EQ(std::vector<TRect>{(TRect{10, 20, 30, 40})}, log.rects);
  EXPECT_EQ(0, box->InvalidRects()->Count());
  testsupport::PumpMessages(100);  // lets the display catch up; nothing else repaints meanwhile
  EXPECT_EQ(before + 1, log.paints);
  EXPECT_EQ(0x00FF00u, At(box, 15, 25));

  box->SetRepaintMode(rmFull);
  testsupport::PumpMessages(100);
  const int settled = log.paints;
  box->BackBuffer()->FillRect(10, 20, 30, 40, 0xFF0000FF);
  EXPECT_EQ(settled, log.paints);
  EXPECT_EQ(0, box->InvalidRects()->Count());
}

}  // namespace
