#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_Layers.h"

namespace {

using namespace imaging;
using TRect = imaging::TRect;

// Records what a collection and its layers report, as readable lines.
struct TLayerLog {
  std::vector<std::string> lines;
  void ListNotify(TLayerCollection*, TLayerListNotification action, TCustomLayer*, int32_t index) {
    lines.push_back("list " + std::to_string(action) + " at " + std::to_string(index));
  }
  void LayerUpdated(TObject*, TCustomLayer*) { lines.push_back("layer updated"); }
  void MouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    lines.push_back("down " + std::to_string(button));
  }
  void UserChange(TObject*) { lines.push_back("user change"); }
};

TRubberbandLayer* Band(TLayerCollection& layers, const TFloatRect& location) {
  auto* band = layers.Add<TRubberbandLayer>();
  band->SetLocation(location);
  return band;
}

struct DragStateCase {
  int32_t x, y;
  TDragState expected;
};

TEST(RubberbandLayer, DragStateByHandleTable) {
  TLayerCollection layers(nullptr);
  TRubberbandLayer* band = Band(layers, TFloatRect{10, 10, 110, 60});
  ASSERT_EQ(3, band->HandleSize());
  const DragStateCase cases[] = {{112, 62, dsSizeBR}, {60, 12, dsSizeT}, {60, 35, dsMove},   {200, 200, dsNone},
                                 {8, 8, dsSizeTL},    {10, 35, dsSizeL}, {109, 34, dsSizeR}, {59, 59, dsSizeB},
                                 {10, 59, dsSizeBL},  {109, 10, dsSizeTR}, {114, 62, dsNone}};
  for (const DragStateCase& c : cases) {
    EXPECT_EQ(c.expected, band->GetDragState(c.x, c.y)) << c.x << "," << c.y;
    EXPECT_EQ(c.expected != dsNone, band->HitTest(c.x, c.y)) << c.x << "," << c.y;
  }
  band->SetHandles(TRBHandles{rhCenter, rhSides, rhCorners, rhFrame, rhNotBRCorner});
  EXPECT_EQ(dsNone, band->GetDragState(112, 62));
  band->SetHandles(TRBHandles{rhSides});
  EXPECT_EQ(dsNone, band->GetDragState(60, 35));
}

struct DragCase {
  float maxWidth;
  int32_t toX;
  float expectedWidth;
};

TEST(RubberbandLayer, DraggingTheRightHandleKeepsTheWidthLimits) {
  const DragCase cases[] = {{0, 4, 10}, {50, 199, 50}, {5, 199, 199}, {0, 60, 60}};
  for (const DragCase& c : cases) {
    TLayerCollection layers(nullptr);
    TRubberbandLayer* band = Band(layers, TFloatRect{0, 0, 100, 50});
    band->MaxWidth = c.maxWidth;
    TLayerLog log;
    band->OnUserChange = TNotifyEvent(&log, &TLayerLog::UserChange);
    ASSERT_EQ(dsSizeR, band->GetDragState(99, 24));
    layers.MouseDown(mbLeft, TShiftState{}, 99, 24);
    layers.MouseMove(TShiftState{}, c.toX, 24);
    layers.MouseUp(mbLeft, TShiftState{}, c.toX, 24);
    EXPECT_FLOAT_EQ(c.expectedWidth, band->Location().Right - band->Location().Left) << c.maxWidth << " " << c.toX;
    EXPECT_FLOAT_EQ(0, band->Location().Left);
    EXPECT_EQ(std::vector<std::string>{"user change"}, log.lines);
    EXPECT_EQ(nullptr, layers.MouseListener());
  }
}

TEST(RubberbandLayer, MovingCarriesTheChildLayerAndADeletedChildIsForgotten) {
  TLayerCollection layers(nullptr);
  auto* child = layers.Add<TPositionedLayer>();
  child->SetLocation(TFloatRect{20, 20, 60, 40});
  TRubberbandLayer* band = layers.Add<TRubberbandLayer>();
  band->SetChildLayer(child);
  EXPECT_EQ(child->Location(), band->Location());
  layers.MouseDown(mbLeft, TShiftState{}, 30, 30);  // inside: a move, grabbed 10 right and below the corner
  layers.MouseMove(TShiftState{}, 50, 35);
  layers.MouseUp(mbLeft, TShiftState{}, 50, 35);
  EXPECT_EQ((TFloatRect{40, 25, 80, 45}), band->Location());
  EXPECT_EQ(band->Location(), child->Location());
  delete child;
  EXPECT_EQ(nullptr, band->ChildLayer());
  band->SetLocation(TFloatRect{0, 0, 10, 10});
}

TEST(LayerCollection, AddNotifiesTheNewLayerTwiceAndInsertOnceMore) {
  TLayerCollection layers(nullptr);
  TLayerLog log;
  layers.OnListNotify = TLayerListNotifyEvent(&log, &TLayerLog::ListNotify);
  layers.Add<TCustomLayer>();
  EXPECT_EQ((std::vector<std::string>{"list 0 at 0", "list 0 at 0"}), log.lines);
  log.lines.clear();
  TCustomLayer* inserted = layers.Insert(0, TPositionedLayer::StaticClass());
  EXPECT_EQ(0, inserted->Index());
  EXPECT_EQ((std::vector<std::string>{"list 0 at 1", "list 0 at 1", "list 1 at 0"}), log.lines);
  log.lines.clear();
  layers.Delete(1);
  layers.Clear();
  EXPECT_EQ((std::vector<std::string>{"list 2 at 1", "list 2 at 0", "list 3 at 0"}), log.lines);
  EXPECT_EQ(0, layers.Count());
}

TEST(LayerCollection, HidingAVisibleLayerReportsOneUpdate) {
  TLayerCollection layers(nullptr);
  TCustomLayer* layer = layers.Add<TCustomLayer>();
  TLayerLog log;
  layers.OnLayerUpdated = TLayerUpdateEvent(&log, &TLayerLog::LayerUpdated);
  layer->SetVisible(false);
  EXPECT_EQ(std::vector<std::string>{"layer updated"}, log.lines);
  EXPECT_FALSE(layer->Visible());
  EXPECT_FALSE(layer->ForceUpdate());
  layer->SetMouseEvents(true);  // a hidden layer reports nothing
  EXPECT_EQ(1u, log.lines.size());
}

TEST(LayerCollection, UnpairedEndUpdateFails) {
  TLayerCollection layers(nullptr);
  layers.BeginUpdate();
  layers.EndUpdate();
  EXPECT_THROW(layers.EndUpdate(), EAssertionFailed);
  layers.BeginUpdate();  // back to zero for the destructor's clearing
}

TEST(LayerCollection, MousePressCapturesUnlessTheLayerRefuses) {
  TLayerCollection layers(nullptr);
  auto* bottom = layers.Add<TPositionedLayer>();
  auto* top = layers.Add<TPositionedLayer>();
  top->SetLocation(TFloatRect{0, 0, 32, 32});
  TLayerLog log;
  top->OnMouseDown = TMouseEvent(&log, &TLayerLog::MouseDown);

  EXPECT_EQ(top, layers.MouseDown(mbLeft, TShiftState{}, 5, 5));
  EXPECT_EQ(top, layers.MouseListener());
  EXPECT_TRUE(top->LayerStates().Contains(lsMouseLeft));
  EXPECT_EQ(top, layers.MouseMove(TShiftState{}, 50, 50));  // the listener keeps the mouse
  EXPECT_EQ(top, layers.MouseUp(mbLeft, TShiftState{}, 50, 50));
  EXPECT_EQ(nullptr, layers.MouseListener());
  EXPECT_EQ(bottom, layers.FindLayerAtPos(50, 50, LOB_MOUSE_EVENTS));

  top->SetLayerOptions(top->LayerOptions() | LOB_NO_CAPTURE);
  log.lines.clear();
  EXPECT_EQ(top, layers.MouseDown(mbMiddle, TShiftState{}, 5, 5));
  EXPECT_EQ(nullptr, layers.MouseListener());
  EXPECT_TRUE(log.lines.empty());
}

TEST(BitmapLayer, AlphaHitReadsTheScaledPixel) {
  TLayerCollection layers(nullptr);
  auto* layer = layers.Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(2, 2);
  layer->Bitmap()->Clear(0xFF00FF00);
  layer->Bitmap()->SetPixel(1, 0, 0x0000FF00);
  layer->SetLocation(TFloatRect{0, 0, 20, 20});
  EXPECT_TRUE(layer->HitTest(12, 5));
  layer->AlphaHit = true;
  EXPECT_FALSE(layer->HitTest(12, 5));  // pixel (1, 0)
  EXPECT_TRUE(layer->HitTest(5, 5));    // 0.5 rounds to pixel 0
  EXPECT_TRUE(layer->HitTest(5, 12));
  EXPECT_FALSE(layer->HitTest(25, 5));  // outside the location
}

TEST(BitmapLayer, PaintsItsBitmapStretchedIntoItsLocation) {
  TLayerCollection layers(nullptr);
  auto* layer = layers.Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(2, 2);
  layer->Bitmap()->Clear(0xFFFF0000);
  layer->SetLocation(TFloatRect{2, 2, 6, 6});
  TBitmap32 buffer;
  buffer.SetSize(8, 8);
  buffer.Clear(0xFF000000);
  layer->DoPaint(&buffer);
  EXPECT_EQ(0xFFFF0000u, buffer.GetPixel(2, 2));
  EXPECT_EQ(0xFFFF0000u, buffer.GetPixel(5, 5));
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(1, 1));
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(6, 6));
}

TEST(BitmapLayer, BitmapChangeReportsTheMappedAreaWidened) {
  TLayerCollection layers(nullptr);
  auto* layer = layers.Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(10, 10);
  layer->SetLocation(TFloatRect{100, 50, 120, 70});  // twice the bitmap's size
  std::vector<TRect> areas;
  struct TAreas {
    std::vector<TRect>* areas;
    void Area(TObject*, const TRect& r, uint32_t) { areas->push_back(r); }
  } sink{&areas};
  layers.OnAreaUpdated = TAreaChangedEvent(&sink, &TAreas::Area);
  layer->Bitmap()->FillRectS(2, 3, 4, 5, 0xFFFFFFFF);
  // (104, 56, 108, 60) widened by the nearest resampler's width 1, plus 1.
  ASSERT_FALSE(areas.empty());
  EXPECT_EQ((TRect{102, 54, 110, 62}), areas.front());
}

}  // namespace

namespace {

TEST(RubberbandLayer, PaintsHandlesAtCornersAndSidesButNotInside) {
  TLayerCollection layers(nullptr);
  TRubberbandLayer* band = Band(layers, TFloatRect{10, 10, 50, 40});
  TBitmap32 buffer;
  buffer.SetSize(60, 60);
  buffer.Clear(0xFF000000);
  band->DoPaint(&buffer);
  // Handles are squares of +-3 around (10, 10), (30, 10), (50, 25), ...: white inside, black frame.
  EXPECT_EQ(0xFFFFFFFFu, buffer.GetPixel(9, 9));
  EXPECT_EQ(0xFFFFFFFFu, buffer.GetPixel(30, 11));
  EXPECT_EQ(0xFFFFFFFFu, buffer.GetPixel(49, 25));
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(7, 7));
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(30, 25));
  band->SetHandles(TRBHandles{rhFrame});
  buffer.Clear(0xFF000000);
  band->DoPaint(&buffer);
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(9, 9));    // no handles now
  EXPECT_EQ(0xFF000000u, buffer.GetPixel(30, 11));
  int framed = 0;  // the stippled frame runs down the left edge
  for (int y = 10; y < 40; ++y) framed += buffer.GetPixel(10, y) != 0xFF000000u;
  EXPECT_GT(framed, 5);
}

}  // namespace
