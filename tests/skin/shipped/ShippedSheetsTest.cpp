#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ShippedFiles.h"
#include "ShippedNames.h"
#include "classlib/graphics/Graphics.h"
#include "imaging/Imaging.h"
#include "imaging/Pngimage.h"
#include "skin/data/Skindata.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Regions.h"

// Sheets of the shipped skins, composed with the drawing toolbox and written as PNG
// pictures into "skin-sheets" beside the test program: every control look at three
// sizes (scroll bars keep their thickness), every object's faces, the popup and hint frames, the dialog frame with its window
// region at the smallest, a middle and the largest dialog size, and the main face with its
// region. Pixels outside a window region show a grey check pattern. The frames' regions are
// checked on the way: the rounded corners lie outside, the client part inside.
namespace {

using namespace shippedskin;

constexpr TColor kSheetColour = 0xFFFFFF;
constexpr int kGap = 10;
constexpr int kLabelHeight = 16;

class TSheet {
 public:
  explicit TSheet(int width) : width_(width) {
    bitmap_.SetPixelFormat(pf24bit);
    bitmap_.SetSize(width, 6000);
    bitmap_.Canvas()->Brush()->SetColor(kSheetColour);
    bitmap_.Canvas()->FillRect(TRect{0, 0, width, 6000});
    bitmap_.Canvas()->Font()->SetName("Arial");
    bitmap_.Canvas()->Font()->SetHeight(13);
  }

  // Starts a new row with a caption.
  void Row(const std::string& caption) {
    y_ = bottom_ + kGap;
    x_ = kGap;
    bitmap_.Canvas()->Brush()->SetColor(kSheetColour);
    bitmap_.Canvas()->TextOut(x_, y_, caption.c_str());
    y_ += kLabelHeight;
    bottom_ = y_;
  }

  // Places a picture in the current row (a new row when it does not fit).
  void Add(TBitmap* picture) {
    if (x_ + picture->Width() + kGap > width_ && x_ > kGap) {
      x_ = kGap;
      y_ = bottom_ + kGap;
    }
    bitmap_.Canvas()->Draw(x_, y_, picture);
    x_ += picture->Width() + kGap;
    bottom_ = std::max(bottom_, y_ + picture->Height());
  }

  void Save(const std::string& name) {
    TBitmap used;
    used.SetPixelFormat(pf24bit);
    used.SetSize(width_, bottom_ + kGap);
    used.Canvas()->CopyRect(TRect{0, 0, width_, bottom_ + kGap}, bitmap_.Canvas(), TRect{0, 0, width_, bottom_ + kGap});
    CreateDirectoryA("skin-sheets", nullptr);
    TPNGObject png;
    png.Assign(&used);
    png.SaveToFile(("skin-sheets\\" + name + ".png").c_str());
  }

 private:
  TBitmap bitmap_;
  int width_;
  int x_ = kGap, y_ = 0, bottom_ = 0;
};

std::unique_ptr<TBitmap> NewBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  return bitmap;
}

std::unique_ptr<TBitmap> Copy(TBitmap* picture, const TRect& rect) {
  auto face = NewBitmap(rect.Width(), rect.Height());
  face->Canvas()->CopyRect(TRect{0, 0, rect.Width(), rect.Height()}, picture->Canvas(), rect);
  return face;
}

// A nine-part face composed at W x H, the way the controls compose theirs.
struct TNinePart {
  TPoint LT, RT, LB, RB;
  TRect CR;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false, ClientStretch = false;
  TspStretchType StretchType = spstFull;

  std::unique_ptr<TBitmap> Compose(TBitmap* picture, const TRect& source, int w, int h) const {
    auto face = NewBitmap(w, h);
    int dx = w - source.Width();
    int dy = h - source.Height();
    CreateSkinImage(LT, RT, LB, RB, CR, LT, TPoint{RT.X + dx, RT.Y}, TPoint{LB.X, LB.Y + dy},
                    TPoint{RB.X + dx, RB.Y + dy}, TRect{CR.Left, CR.Top, CR.Right + dx, CR.Bottom + dy}, face.get(),
                    picture, source, w, h, true, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch,
                    StretchType);
    return face;
  }
  bool Scalable() const { return RB.X != LT.X && RB.Y != LT.Y; }
};

// Paints the pixels of `face` outside `region` with a check pattern.
void ShowOutside(TBitmap* face, HRGN region) {
  HRGN outside = CreateRectRgn(0, 0, face->Width(), face->Height());
  CombineRgn(outside, outside, region, RGN_DIFF);
  HBRUSH check = CreateHatchBrush(HS_DIAGCROSS, RGB(160, 160, 160));
  FillRgn(face->Canvas()->Handle(), outside, check);
  DeleteObject(check);
  DeleteObject(outside);
}

HRGN RegionOf(const std::vector<uint8_t>& data) {
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

// The window region of a scalable form at W x H: the mask cut at the corner points into
// four bands around the mask area, joined with the mask area itself.
HRGN FormRegion(TspSkinData& skin, int w, int h) {
  int dx = w - skin.Picture->Width();
  int dy = h - skin.Picture->Height();
  TRect area = skin.MaskRectArea;
  TRect newArea{area.Left, area.Top, area.Right + dx, area.Bottom + dy};
  TBitmap top, left, right, bottom;
  CreateSkinMask(skin.LeftTopPoint, skin.RightTopPoint, skin.LeftBottomPoint, skin.RightBottomPoint, area,
                 skin.LeftTopPoint, TPoint{skin.RightTopPoint.X + dx, skin.RightTopPoint.Y},
                 TPoint{skin.LeftBottomPoint.X, skin.LeftBottomPoint.Y + dy},
                 TPoint{skin.RightBottomPoint.X + dx, skin.RightBottomPoint.Y + dy}, newArea, skin.MaskPicture.get(),
                 &top, &left, &right, &bottom, w, h);
  HRGN region = CreateRectRgn(newArea.Left, newArea.Top, newArea.Right, newArea.Bottom);
  const struct {
    TBitmap* Band;
    int X, Y;
  } bands[] = {{&top, 0, 0}, {&bottom, 0, newArea.Bottom}, {&left, 0, newArea.Top}, {&right, newArea.Right, newArea.Top}};
  for (const auto& band : bands) {
    std::vector<uint8_t> data;
    if (band.Band->Width() == 0 || band.Band->Height() == 0) continue;
    if (CreateRgnFromBmp(band.Band, band.X, band.Y, data) == 0) continue;
    HRGN part = RegionOf(data);
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
  }
  return region;
}

void ExpectCornersOutsideClientInside(HRGN region, int w, int h, const TRect& client) {
  for (POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}}) {
    EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
  }
  for (POINT inside : {POINT{client.Left, client.Top}, POINT{client.Right - 1, client.Top},
                       POINT{client.Left, client.Bottom - 1}, POINT{client.Right - 1, client.Bottom - 1},
                       POINT{(client.Left + client.Right) / 2, (client.Top + client.Bottom) / 2}}) {
    EXPECT_TRUE(PtInRegion(region, inside.x, inside.y)) << inside.x << "," << inside.y;
  }
}

class ShippedSheets : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeGraphics();
    imaging::InitializeImaging();
    main_ = std::make_unique<TspSkinData>(nullptr);
    main_->LoadFromFile(ShippedPath(kMainSkin).c_str());
    form_ = std::make_unique<TspSkinData>(nullptr);
    form_->LoadFromFile(ShippedPath(kFormSkin).c_str());
  }
  static void TearDownTestSuite() {
    main_.reset();
    form_.reset();
    imaging::FinalizeImaging();
  }
  void SetUp() override {
    ASSERT_FALSE(main_->Empty);
    ASSERT_FALSE(form_->Empty);
  }

  static std::unique_ptr<TspSkinData> main_;
  static std::unique_ptr<TspSkinData> form_;
};

std::unique_ptr<TspSkinData> ShippedSheets::main_;
std::unique_ptr<TspSkinData> ShippedSheets::form_;

void ControlsSheet(TspSkinData& skin, const std::string& name) {
  TSheet sheet(1000);
  for (const auto& look : skin.CtrlList) {
    auto* custom = dynamic_cast<TspDataSkinCustomControl*>(look.get());
    if (custom == nullptr || look->PictureIndex < 0 || look->SkinRect.IsEmpty()) continue;
    TBitmap* picture = skin.ActivePictures[static_cast<size_t>(look->PictureIndex)].get();
    TNinePart nine{custom->LeftTopPoint, custom->RightTopPoint, custom->LeftBottomPoint, custom->RightBottomPoint,
                   custom->ClientRect, custom->LeftStretch, custom->TopStretch, custom->RightStretch,
                   custom->BottomStretch, custom->StretchEffect, custom->StretchType};
    sheet.Row(look->IDName.str() + (nine.Scalable() ? "" : " (fixed size)"));
    int w = look->SkinRect.Width();
    int h = look->SkinRect.Height();
    // A scroll bar keeps its thickness (the system's scroll-bar size) and grows along its axis.
    bool scrollBar = dynamic_cast<TspDataSkinScrollBarControl*>(look.get()) != nullptr;
    for (int scale : {2, 3, 4}) {
      int sw = nine.Scalable() && !(scrollBar && w < h) ? w * scale / 2 : w;
      int sh = nine.Scalable() && !(scrollBar && w >= h) ? h * scale / 2 : h;
      auto face = nine.Scalable() ? nine.Compose(picture, look->SkinRect, sw, sh) : Copy(picture, look->SkinRect);
      sheet.Add(face.get());
    }
  }
  sheet.Save(name);
}

TEST_F(ShippedSheets, ControlLooksAtThreeSizes) {
  ControlsSheet(*main_, "main-controls");
  ControlsSheet(*form_, "dialog-controls");
}

// The faces of an object: where each lies and in which picture.
std::vector<std::pair<TBitmap*, TRect>> FacesOf(TspSkinData& skin, TspDataSkinObject& object) {
  TBitmap* active = object.ActivePictureIndex >= 0 && object.ActivePictureIndex < static_cast<int>(skin.ActivePictures.size())
                        ? skin.ActivePictures[static_cast<size_t>(object.ActivePictureIndex)].get()
                        : nullptr;
  bool inPicture = object.SkinRectInAPicture || dynamic_cast<TspDataSkinMenuItem*>(&object) != nullptr;
  std::vector<std::pair<TBitmap*, TRect>> faces{{inPicture ? active : skin.Picture.get(), object.SkinRect},
                                                {active, object.ActiveSkinRect}};
  if (auto* button = dynamic_cast<TspDataSkinButton*>(&object)) {
    faces.emplace_back(active, button->DownRect);
    faces.emplace_back(active, dynamic_cast<TspDataSkinStdButton*>(&object) != nullptr ? object.InActiveSkinRect
                                                                                         : button->DisableSkinRsect);
  }
  if (auto* item = dynamic_cast<TspDataSkinMenuItem*>(&object)) faces.emplace_back(active, item->DividerRect);
  return faces;
}

void ObjectsSheet(TspSkinData& skin, const std::string& name) {
  TSheet sheet(1000);
  for (const auto& object : skin.ObjectList) {
    sheet.Row(object->IDName.str());
    for (const auto& [picture, rect] : FacesOf(skin, *object)) {
      if (picture == nullptr || rect.IsEmpty()) continue;
      sheet.Add(Copy(picture, rect).get());
    }
  }
  sheet.Save(name);
}

TEST_F(ShippedSheets, EveryObjectWithItsFaces) {
  ObjectsSheet(*main_, "main-objects");
  ObjectsSheet(*form_, "dialog-objects");
}

// A popup or hint window picture composed at a size, its mask composed alike and shown.
template <class Window>
std::unique_ptr<TBitmap> WindowFrame(TspSkinData& skin, const Window& window, const TRect& client, int w, int h) {
  TBitmap* picture = skin.ActivePictures[static_cast<size_t>(window.WindowPictureIndex)].get();
  TBitmap* mask = skin.ActivePictures[static_cast<size_t>(window.MaskPictureIndex)].get();
  TNinePart nine{window.LeftTopPoint, window.RightTopPoint, window.LeftBottomPoint, window.RightBottomPoint, client};
  TRect whole{0, 0, picture->Width(), picture->Height()};
  auto face = nine.Compose(picture, whole, w, h);
  auto maskFace = nine.Compose(mask, whole, w, h);
  HRGN region = nullptr;
  CreateSkinSimplyRegion(region, maskFace.get());
  EXPECT_NE(nullptr, region);
  if (region != nullptr) {
    ExpectCornersOutsideClientInside(region, w, h, TRect{client.Left, client.Top, client.Right + w - whole.Width(),
                                                         client.Bottom + h - whole.Height()});
    ShowOutside(face.get(), region);
    DeleteObject(region);
  }
  return face;
}

TEST_F(ShippedSheets, PopupAndHintFrames) {
  for (auto& [skin, name] : {std::pair{main_.get(), "main-windows"}, std::pair{form_.get(), "dialog-windows"}}) {
    TSheet sheet(600);
    sheet.Row("popup menu window");
    for (auto size : {std::pair{120, 80}, std::pair{220, 160}}) {
      sheet.Add(WindowFrame(*skin, *skin->PopupWindow, skin->PopupWindow->ItemsRect, size.first, size.second).get());
    }
    sheet.Row("hint window");
    for (auto size : {std::pair{120, 24}, std::pair{260, 40}}) {
      sheet.Add(WindowFrame(*skin, *skin->HintWindow, skin->HintWindow->ClientRect, size.first, size.second).get());
    }
    sheet.Save(name);
  }
}

// The dialog frame at the smallest, a middle and the largest dialog size, with its caption
// buttons where the frame lays them out and the client part outlined.
TEST_F(ShippedSheets, DialogFrameAndRegionAtEverySize) {
  TspSkinData& skin = *form_;
  TNinePart nine{skin.LeftTopPoint, skin.RightTopPoint, skin.LeftBottomPoint, skin.RightBottomPoint, skin.ClientRect,
                 skin.LeftStretch, skin.TopStretch, skin.RightStretch, skin.BottomStretch, skin.StretchEffect,
                 skin.StretchType};
  ASSERT_TRUE(nine.Scalable());
  TSheet sheet(940);
  for (auto [w, h] : {std::pair{403, 187}, std::pair{640, 480}, std::pair{892, 573}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    int dx = w - skin.Picture->Width();
    int dy = h - skin.Picture->Height();
    TRect picture{0, 0, skin.Picture->Width(), skin.Picture->Height()};
    auto face = nine.Compose(skin.Picture.get(), picture, w, h);
    TRect client{skin.ClientRect.Left, skin.ClientRect.Top, skin.ClientRect.Right + dx, skin.ClientRect.Bottom + dy};
    int close = skin.GetIndex("closebutton");
    ASSERT_GE(close, 0);
    auto& button = *skin.ObjectList[static_cast<size_t>(close)];
    TBitmap* parts = skin.ActivePictures[static_cast<size_t>(button.ActivePictureIndex)].get();
    int right = skin.ButtonsRect.Right + dx;
    face->Canvas()->CopyRect(TRect{right - button.SkinRect.Width(), skin.ButtonsRect.Top, right,
                                   skin.ButtonsRect.Top + button.SkinRect.Height()},
                             parts->Canvas(), button.SkinRect);
    face->Canvas()->Brush()->SetStyle(bsClear);
    face->Canvas()->Font()->SetName("Arial");
    face->Canvas()->Font()->SetHeight(14);
    face->Canvas()->Font()->SetColor(0xFFFFFF);
    face->Canvas()->Font()->SetStyle(TFontStyles{fsBold});
    face->Canvas()->TextOut(skin.CaptionRect.Left + 8, skin.CaptionRect.Top + 6,
                            ("Dialog " + std::to_string(w) + " x " + std::to_string(h)).c_str());
    HRGN region = FormRegion(skin, w, h);
    ExpectCornersOutsideClientInside(region, w, h, client);
    ShowOutside(face.get(), region);
    DeleteObject(region);
    sheet.Row("dialog frame " + std::to_string(w) + " x " + std::to_string(h));
    sheet.Add(face.get());
  }
  sheet.Save("dialog-frame");
}

TEST_F(ShippedSheets, MainFaceAndRegion) {
  TspSkinData& skin = *main_;
  int w = skin.Picture->Width();
  int h = skin.Picture->Height();
  auto face = Copy(skin.Picture.get(), TRect{0, 0, w, h});
  HRGN region = nullptr;
  CreateSkinSimplyRegion(region, skin.MaskPicture.get());
  ASSERT_NE(nullptr, region);
  for (const TArea& area : MainAreas()) ExpectCornersOutsideClientInside(region, w, h, area.Bounds);
  ShowOutside(face.get(), region);
  DeleteObject(region);
  TSheet sheet(w + 2 * kGap);
  sheet.Row("main window face");
  sheet.Add(face.get());
  TBitmap* states = skin.ActivePictures[0].get();
  const char* names[] = {"hot", "pressed", "disabled"};
  for (int band = 0; band < 3; ++band) {
    sheet.Row(std::string("command buttons ") + names[band]);
    sheet.Add(Copy(states, TRect{0, band * h, w, (band + 1) * h}).get());
  }
  sheet.Save("main-face");
}

}  // namespace
