#include "SkinControlsFixtures.h"

#include "TestSkin.h"
#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "skin/data/Skindata.h"
#include "skin/data/Sputils_Compose.h"

namespace skinbases {
namespace {

void SetLook(std::map<std::string, std::string>& values, const std::string& look,
             std::initializer_list<std::pair<const char*, const char*>> keys) {
  for (const auto& [key, value] : keys) values[look + "/" + key] = value;
}

// Every geometry and picture key of a resizable look, so the generated values of the
// test skin do not leak into the looks.
void SetNinePartLook(std::map<std::string, std::string>& values, const std::string& look, const char* picture,
                     const char* mask, const char* skinRect) {
  SetLook(values, look,
          {{"pictureindex", picture}, {"maskpictureindex", mask}, {"cursorindex", "-1"}, {"skinrect", skinRect},
           {"leftstretch", "0"}, {"topstretch", "0"}, {"rightstretch", "0"}, {"bottomstretch", "0"},
           {"stretcheffect", "0"}, {"stretchtype", "stfull"}});
}

}  // namespace

std::string WriteBasesSkin(const std::string& folder, const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values = {
      {"PICTURES/activepicturescount", "5"}, {"PICTURES/3", "mask.bmp"}, {"PICTURES/4", "form.bmp"}};
  SetNinePartLook(values, "panel", "0", "-1", "0,0,64,48");
  SetLook(values, "panel",
          {{"lefttoppoint", "10,8"}, {"righttoppoint", "54,8"}, {"leftbottompoint", "10,40"},
           {"rightbottompoint", "54,40"}, {"clientrect", "10,8,54,40"}});
  SetNinePartLook(values, "button", "4", "3", "0,0,120,90");
  SetLook(values, "button",
          {{"lefttoppoint", "10,10"}, {"righttoppoint", "110,10"}, {"leftbottompoint", "10,80"},
           {"rightbottompoint", "110,80"}, {"clientrect", "10,10,110,80"}});
  SetNinePartLook(values, "gauge", "1", "-1", "0,0,32,20");
  SetLook(values, "gauge",
          {{"lefttoppoint", "6,0"}, {"righttoppoint", "26,0"}, {"leftbottompoint", "0,0"},
           {"rightbottompoint", "0,0"}, {"clientrect", "6,0,26,20"}});
  SetNinePartLook(values, "label", "0", "-1", "0,0,64,48");
  SetLook(values, "label",
          {{"lefttoppoint", "10,8"}, {"righttoppoint", "54,8"}, {"leftbottompoint", "10,40"},
           {"rightbottompoint", "54,40"}, {"clientrect", "10,8,54,40"}, {"stretcheffect", "1"},
           {"stretchtype", "sthorz"}});
  for (const auto& [key, value] : overrides) values[key] = value;
  return skintest::WriteTestSkin(folder, values);
}

std::unique_ptr<TspSkinData> LoadBasesSkin(const std::string& folder,
                                           const std::map<std::string, std::string>& overrides) {
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(WriteBasesSkin(folder, overrides).c_str());
  return skin;
}

std::vector<TColor> PixelsOf(TBitmap& bitmap) {
  std::vector<TColor> pixels;
  pixels.reserve(static_cast<size_t>(bitmap.Width() * bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  }
  return pixels;
}

// The nine-part composition of `look`'s skin rectangle at W x H, its points moved by
// the size change as a nine-part look moves them.
namespace {

// A nine-part look of the skin and its points moved to W x H as a nine-part look moves them.
struct TMovedLook {
  TBitmap* picture;
  TRect SR, CR, NCR;
  TPoint LT, RT, LB, RB, NRT, NLB, NRB;
};

TMovedLook MoveLook(TspSkinData& skin, const char* look, int W, int H) {
  const auto* data = dynamic_cast<TspDataSkinCustomControl*>(skin.CtrlList[skin.GetControlIndex(look)].get());
  TMovedLook m;
  m.picture = skin.ActivePictures[static_cast<size_t>(data->PictureIndex)].get();
  m.SR = data->SkinRect;
  m.CR = data->ClientRect;
  m.LT = data->LeftTopPoint;
  m.RT = data->RightTopPoint;
  m.LB = data->LeftBottomPoint;
  m.RB = data->RightBottomPoint;
  const int dx = W - m.SR.Width(), dy = H - m.SR.Height();
  m.NRT = Point(m.RT.X + dx, m.RT.Y);
  m.NLB = Point(m.LB.X, m.LB.Y + dy);
  m.NRB = Point(m.RB.X + dx, m.RB.Y + dy);
  m.NCR = Rect(m.CR.Left, m.CR.Top, m.CR.Right + dx, m.CR.Bottom + dy);
  return m;
}

void Compose(TBitmap& face, const TMovedLook& m, int W, int H, bool clientStretch, TspStretchType stretchType) {
  face.SetPixelFormat(pf24bit);
  face.SetSize(W, H);
  CreateSkinImage(m.LT, m.RT, m.LB, m.RB, m.CR, m.LT, m.NRT, m.NLB, m.NRB, m.NCR, &face, m.picture, m.SR, W, H, true,
                  false, false, false, false, clientStretch, stretchType);
}

}  // namespace

std::vector<TColor> ComposedLook(TspSkinData& skin, const char* look, int W, int H, bool clientStretch,
                                 TspStretchType stretchType) {
  TBitmap face;
  Compose(face, MoveLook(skin, look, W, H), W, H, clientStretch, stretchType);
  return PixelsOf(face);
}

std::vector<TColor> BorderStripsOverComposedLook(TspSkinData& skin, const char* look, int W, int H) {
  const TMovedLook m = MoveLook(skin, look, W, H);
  TBitmap face, left, top, right, bottom;
  Compose(face, m, W, H, false, spstFull);
  CreateSkinBorderImages(m.LT, m.RT, m.LB, m.RB, m.CR, m.LT, m.NRT, m.NLB, m.NRB, m.NCR, &left, &top, &right, &bottom,
                         m.picture, m.SR, W, H, false, false, false, false);
  face.Canvas()->Draw(0, 0, &top);
  face.Canvas()->Draw(0, top.Height(), &left);
  face.Canvas()->Draw(W - right.Width(), top.Height(), &right);
  face.Canvas()->Draw(0, H - bottom.Height(), &bottom);
  return PixelsOf(face);
}

std::vector<TColor> FaceOf(TControl* control) {
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(control->Width(), control->Height());
  HDC dc = face.Canvas()->Handle();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->PaintWindowInto(dc);
  else control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  face.Canvas()->Refresh();
  return PixelsOf(face);
}

TTestSkinControl::TTestSkinControl(TComponent* owner) : TspSkinCustomControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

void TTestSkinControl::BeforeChangeSkinData() {
  calls += "B";
  TspSkinCustomControl::BeforeChangeSkinData();
}

void TTestSkinControl::ChangeSkinData() {
  calls += "C";
  TspSkinCustomControl::ChangeSkinData();
}

void TTestSkinControl::Paint() {
  ++paints;
  TspSkinCustomControl::Paint();
}

void TTestSkinControl::HandOverRegion(HRGN region) {
  if (region != nullptr) handedRegions.push_back(region);
  TspSkinCustomControl::HandOverRegion(region);
}

void TTestGraphicSkinControl::BeforeChangeSkinData() {
  calls += "B";
  TspGraphicSkinCustomControl::BeforeChangeSkinData();
}

void TTestGraphicSkinControl::ChangeSkinData() {
  calls += "C";
  TspGraphicSkinCustomControl::ChangeSkinData();
}

void TTestGraphicSkinControl::Paint() {
  ++paints;
  TspGraphicSkinCustomControl::Paint();
}

void RegisterTestControls() {
  InitializeControlClasses();
  InitializeSkinData();
  InitializeSkinControls();
  RegisterClassProperties(TTestSkinControl::StaticClass(), {});
  RegisterClassProperties(TTestGraphicSkinControl::StaticClass(), {});
}

}  // namespace skinbases
