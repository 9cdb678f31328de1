#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_Image.h"

namespace {

using namespace imaging;
using TRect = imaging::TRect;
using TPoint = imaging::TPoint;

// A view that lets the test render its buffer without a window.
class TTestImage : public TImage32 {
 public:
  explicit TTestImage(int width = 200, int height = 200) : TImage32(nullptr) { SetBounds(0, 0, width, height); }
  void PaintBuffer() { DoPaintBuffer(); }
};

struct GeometryCase {
  const char* name;
  int32_t bw, bh, vw, vh;
  TScaleMode mode;
  TBitmapAlign align;
  TRect expected;
};

TEST(ImageView, BitmapRectangleByScaleModeAndAlignment) {
  const GeometryCase cases[] = {
      {"resize centred", 320, 240, 200, 200, smResize, baCenter, {0, 25, 200, 175}},
      {"resize by height", 320, 240, 400, 150, smResize, baTopLeft, {0, 0, 200, 150}},
      {"optimal fits", 320, 240, 400, 300, smOptimal, baTopLeft, {0, 0, 320, 240}},
      {"optimal too big", 320, 240, 300, 300, smOptimal, baTopLeft, {0, 0, 300, 225}},
      {"stretch", 320, 240, 150, 90, smStretch, baCenter, {0, 0, 150, 90}},
      {"normal wider than the view", 203, 10, 200, 200, smNormal, baCenter, {-1, 95, 202, 105}},
      {"normal one wider", 201, 10, 200, 200, smNormal, baCenter, {0, 95, 201, 105}},
      {"empty bitmap", 0, 0, 200, 200, smResize, baCenter, {0, 0, 0, 0}},
      {"main preview", 640, 480, 201, 169, smResize, baCenter, {0, 9, 201, 160}},
  };
  for (const GeometryCase& c : cases) {
    TTestImage view(c.vw, c.vh);
    view.Bitmap()->SetSize(c.bw, c.bh);
    view.SetScaleMode(c.mode);
    view.SetBitmapAlign(c.align);
    EXPECT_EQ(c.expected, view.GetBitmapRect()) << c.name;
  }
}

TEST(ImageView, ScaleHasAFloorAndScaledSizesRoundHalvesToEven) {
  TTestImage view;
  view.Bitmap()->SetSize(100, 50);
  view.SetScaleMode(smScale);
  view.SetScale(0.0005f);
  EXPECT_FLOAT_EQ(0.001f, view.Scale());
  EXPECT_TRUE(IsRectEmpty(view.GetBitmapRect()));
  view.SetScale(0.25f);  // 25 x 12.5
  EXPECT_EQ((TRect{0, 0, 25, 12}), view.GetBitmapRect());
  view.SetScaleY(0.27f);  // 13.5
  EXPECT_EQ((TRect{0, 0, 25, 14}), view.GetBitmapRect());

  int scaleChanges = 0;
  struct TCounter {
    int* count;
    void Count(TObject*) { ++*count; }
  } counter{&scaleChanges};
  view.OnScaleChange = TNotifyEvent(&counter, &TCounter::Count);
  view.SetScale(0.25f);  // equals ScaleX: nothing, although ScaleY differs
  EXPECT_FLOAT_EQ(0.27f, view.ScaleY());
  EXPECT_EQ(0, scaleChanges);
  view.SetScale(0.5f);
  EXPECT_EQ(1, scaleChanges);
}

TEST(ImageView, CustomAlignmentRoundsTheOffsetsHalvesToEven) {
  TTestImage view;
  view.Bitmap()->SetSize(10, 10);
  view.SetBitmapAlign(baCustom);
  view.SetOffsetHorz(10.5f);
  view.SetOffsetVert(11.5f);
  EXPECT_EQ((TRect{10, 12, 20, 22}), view.GetBitmapRect());
}

TEST(ImageView, ControlToBitmapOfALargeFrameShownSmallUses64BitProducts) {
  TTestImage view(201, 169);
  view.Bitmap()->SetSize(1920, 1080);
  view.SetScaleMode(smResize);
  ASSERT_EQ((TRect{0, 0, 201, 113}), view.GetBitmapRect());
  const int64_t inverse = ::MulDiv(1920, 65536, 201);
  EXPECT_EQ(static_cast<int32_t>(5000 * inverse / 65536), view.ControlToBitmap(TPoint{5000, 0}).X);
  EXPECT_GT(view.ControlToBitmap(TPoint{5000, 0}).X, 47000);  // 32-bit products turn negative here
  EXPECT_EQ((TPoint{-9, 0}), view.ControlToBitmap(TPoint{-1, 0}));  // no clamping, truncated toward zero
  EXPECT_EQ((TPoint{201, 112}), view.BitmapToControl(TPoint{1920, 1080}));
}

TEST(ImageView, BitmapTakesTheViewsSize) {
  TTestImage view(123, 45);
  TBitmap32 bitmap;
  bitmap.SetSizeFrom(&view);
  EXPECT_EQ(123, bitmap.Width());
  EXPECT_EQ(45, bitmap.Height());
}

TEST(ImageView, DefaultStagesInOrder) {
  TTestImage view;
  const TPaintStageItem expected[] = {{true, true, PST_CLEAR_BACKGND, 0},
                                      {true, false, PST_CONTROL_FRAME, 0},
                                      {true, true, PST_DRAW_BITMAP, 0},
                                      {true, false, PST_BITMAP_FRAME, 0},
                                      {true, true, PST_DRAW_LAYERS, LOB_VISIBLE}};
  ASSERT_EQ(5, view.PaintStages()->Count());
  for (int32_t i = 0; i < 5; ++i) {
    const TPaintStageItem* item = view.PaintStages()->Items(i);
    EXPECT_EQ(expected[i].AtDesignTime, item->AtDesignTime) << i;
    EXPECT_EQ(expected[i].AtRunTime, item->AtRunTime) << i;
    EXPECT_EQ(expected[i].Kind, item->Kind) << i;
    EXPECT_EQ(expected[i].Parameter, item->Parameter) << i;
  }
}

TEST(PaintStages, InsertClampsAndDeleteChecksTheIndex) {
  TPaintStages stages;
  stages.Add()->Kind = 1;
  stages.Insert(-3)->Kind = 2;
  stages.Insert(99)->Kind = 3;
  ASSERT_EQ(3, stages.Count());
  EXPECT_EQ(2u, stages.Items(0)->Kind);
  EXPECT_EQ(3u, stages.Items(2)->Kind);
  EXPECT_TRUE(stages.Items(1)->AtRunTime);
  EXPECT_FALSE(stages.Items(1)->AtDesignTime);
  try {
    stages.Delete(3);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_STREQ("Invalid stage index", e.what());
  }
  stages.Delete(0);
  EXPECT_EQ(1u, stages.Items(0)->Kind);
}

// The main preview: a grey view showing a frame of one colour, fitted and centred.
class PreviewBuffer : public testing::Test {
 protected:
  void SetUp() override {
    view.SetColor(static_cast<TColor>(0x555555));
    view.SetScaleMode(smResize);
    view.SetBitmapAlign(baCenter);
    view.Bitmap()->SetSize(640, 480);
    view.Bitmap()->Clear(kFrame);
  }

  // Every row of the buffer's viewport holds only `color` between first and last.
  bool RowsAre(int32_t first, int32_t last, TColor32 color) {
    for (int32_t y = first; y <= last; ++y) {
      for (int32_t x = 0; x < 201; ++x) {
        if (view.BackBuffer()->GetPixel(x, y) != color) return false;
      }
    }
    return true;
  }

  static constexpr TColor32 kFrame = 0xFF2080C0;
  static constexpr TColor32 kGrey = 0xFF555555;
  TTestImage view{201, 169};
};

TEST_F(PreviewBuffer, RunTimeStagesClearTheMarginsAndDrawTheFrame) {
  view.PaintBuffer();
  EXPECT_TRUE(view.BufferValid());
  EXPECT_TRUE(RowsAre(0, 8, kGrey));
  EXPECT_TRUE(RowsAre(9, 159, kFrame));  // no focus frames at run time
  EXPECT_TRUE(RowsAre(160, 168, kGrey));
}

TEST_F(PreviewBuffer, EmptyStagesChangeNothingAndACustomStageFires) {
  view.PaintStages()->Add();
  view.PaintStages()->Insert(0);
  TPaintStageItem* custom = view.PaintStages()->Add();
  custom->Kind = PST_CUSTOM;
  struct TStageLog {
    std::vector<uint32_t> stages;
    void Stage(TObject*, TBitmap32* buffer, uint32_t stage) {
      stages.push_back(stage);
      buffer->SetPixel(0, 0, 0xFF010203);
    }
  } log;
  view.OnPaintStage = TPaintStageEvent(&log, &TStageLog::Stage);
  view.PaintBuffer();
  EXPECT_EQ(std::vector<uint32_t>{7}, log.stages);
  EXPECT_EQ(0xFF010203u, view.BackBuffer()->GetPixel(0, 0));
  EXPECT_TRUE(RowsAre(1, 8, kGrey));
  EXPECT_TRUE(RowsAre(9, 159, kFrame));
}

TEST_F(PreviewBuffer, PaintToRendersIntoAnyRectangle) {
  TBitmap32 target;
  target.SetSize(40, 40);
  target.Clear(0xFF000000);
  view.PaintTo(&target, TRect{10, 10, 30, 20});
  EXPECT_EQ(kFrame, target.GetPixel(10, 10));
  EXPECT_EQ(kFrame, target.GetPixel(29, 19));
  EXPECT_EQ(kGrey, target.GetPixel(5, 5));  // the background around the rectangle
  EXPECT_EQ(kGrey, target.GetPixel(35, 25));
  EXPECT_FALSE(view.PaintingToBitmap());
  EXPECT_EQ((TRect{0, 9, 201, 160}), view.GetBitmapRect());
}

TEST_F(PreviewBuffer, BlendedBitmapsShowOnTheWholeBackground) {
  view.Bitmap()->SetDrawMode(dmBlend);
  view.Bitmap()->Clear(0x00FFFFFF);  // fully transparent
  view.BackBuffer()->Clear(0xFF000000);
  view.PaintBuffer();
  EXPECT_TRUE(RowsAre(0, 168, kGrey));
}

TEST(ImageView, BitmapChangesReachOnChangeUnlessUpdating) {
  TTestImage view;
  view.Bitmap()->SetSize(10, 10);
  int changes = 0;
  struct TCounter {
    int* count;
    void Count(TObject*) { ++*count; }
  } counter{&changes};
  view.OnChange = TNotifyEvent(&counter, &TCounter::Count);
  view.Bitmap()->Clear(0xFFFFFFFF);
  EXPECT_EQ(1, changes);
  EXPECT_FALSE(view.BufferValid());
  view.BeginUpdate();
  view.Bitmap()->Clear(0xFF000000);
  view.EndUpdate();
  EXPECT_EQ(1, changes);
  try {
    view.EndUpdate();
    FAIL() << "no error";
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(std::string::npos, std::string(e.what()).find("Unpaired EndUpdate call"));
  }
  EXPECT_EQ(-1, view.UpdateCount());
  view.BeginUpdate();
}

TEST(ImageView, LayersFollowTheViewsScaleAndShift) {
  TTestImage view(200, 200);
  view.Bitmap()->SetSize(100, 100);
  view.SetScaleMode(smStretch);
  auto* layer = view.Layers()->Add<TPositionedLayer>();
  layer->SetLocation(TFloatRect{10, 10, 20, 20});
  layer->SetScaled(true);
  EXPECT_EQ((TFloatRect{20, 20, 40, 40}), layer->GetAdjustedLocation());
  EXPECT_EQ(layer, view.Layers()->FindLayerAtPos(30, 30, LOB_MOUSE_EVENTS));
}

struct BufferCase {
  int32_t viewSize, bufferSize;
};

TEST(PaintBox, BufferGrowsWithOversizeAndShrinksOnlyPastIt) {
  TPaintBox32 box(nullptr);
  const BufferCase steps[] = {{0, 1}, {100, 140}, {130, 140}, {100, 140}, {99, 99}, {200, 240}};
  for (const BufferCase& step : steps) {
    box.SetBounds(0, 0, step.viewSize, step.viewSize);
    EXPECT_EQ(step.bufferSize, box.BackBuffer()->Width()) << step.viewSize;
    EXPECT_EQ(step.bufferSize, box.BackBuffer()->Height()) << step.viewSize;
  }
  box.SetBufferOversize(-5);
  EXPECT_EQ(0, box.BufferOversize());
  EXPECT_EQ(200, box.BackBuffer()->Width());
}

TEST(PaintBox, RepaintModesRouteTheBuffersAreas) {
  TPaintBox32 box(nullptr);
  box.BackBuffer()->FillRectS(1, 2, 3, 4, 0xFFFFFFFF);
  EXPECT_EQ(0, box.InvalidRects()->Count());
  box.SetRepaintMode(rmDirect);
  EXPECT_FALSE(box.RepaintOptimizer()->Enabled());
  box.BackBuffer()->FillRect(1, 2, 3, 4, 0xFFFFFFFF);
  ASSERT_EQ(1, box.InvalidRects()->Count());
  EXPECT_EQ((TRect{1, 2, 3, 4}), *box.InvalidRects()->Get(0));
  box.SetRepaintMode(rmOptimizer);
  EXPECT_TRUE(box.RepaintOptimizer()->Enabled());
  box.SetRepaintMode(rmFull);
  EXPECT_FALSE(box.RepaintOptimizer()->Enabled());
}

}  // namespace
