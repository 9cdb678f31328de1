#include "ButtonFixture.h"

#include "TestSkin.h"
#include "classlib/formres/ControlClasses.h"
#include "skin/data/Skindata.h"
#include "skin/data/Speffbmp.h"
#include "window_support.h"

namespace skinbuttons {
namespace {

std::vector<TColor> Pixels(TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  return pixels;
}

void CopyPart(TspSkinData& skin, const TRect& part, TBitmap& to) {
  to.SetPixelFormat(pf24bit);
  to.SetSize(part.Width(), part.Height());
  to.Canvas()->CopyRect(Rect(0, 0, part.Width(), part.Height()), skin.ActivePictures[0]->Canvas(), part);
}

void MouseButtonInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

TLookKeys ButtonLookKeys(const TLookKeys& changes) {
  TLookKeys look = {{"pictureindex", "0"},       {"maskpictureindex", "-1"},   {"cursorindex", "-1"},
                    {"skinrect", "0,0,16,12"},    {"clientrect", "2,2,14,10"}, {"lefttoppoint", "0,0"},
                    {"righttoppoint", "0,0"},     {"leftbottompoint", "0,0"},  {"rightbottompoint", "0,0"},
                    {"leftstretch", "0"},         {"topstretch", "0"},         {"rightstretch", "0"},
                    {"bottomstretch", "0"},       {"stretcheffect", "0"},      {"activeskinrect", "16,0,32,12"},
                    {"downskinrect", "32,0,48,12"}, {"disabledskinrect", "48,0,64,12"},
                    {"focusedskinrect", "0,12,16,24"}, {"animateskinrect", "0,0,0,0"}, {"framecount", "0"},
                    {"animateinterval", "25"},    {"showfocus", "0"},          {"morphing", "0"},
                    {"morphkind", "mkdefault"}};
  for (const auto& [key, value] : changes) look[key] = value;
  return look;
}

}  // namespace

std::string WriteSkinWithLook(const std::string& name, const std::string& look, const TLookKeys& keys) {
  std::map<std::string, std::string> overrides;
  for (const auto& [key, value] : keys) overrides[look + "/" + key] = value;
  return skintest::WriteTestSkin(name, overrides);
}

TspSkinData* SkinWithLook(const std::string& look, const TLookKeys& keys) {
  static std::map<std::pair<std::string, TLookKeys>, std::unique_ptr<TspSkinData>> loaded;
  std::unique_ptr<TspSkinData>& skin = loaded[{look, keys}];
  if (skin == nullptr) {
    skin = std::make_unique<TspSkinData>(nullptr);
    skin->LoadFromFile(WriteSkinWithLook(look + "_skin" + std::to_string(loaded.size()), look, keys).c_str());
  }
  return skin.get();
}

std::string WriteButtonSkin(const std::string& name, const TLookKeys& changes) {
  return WriteSkinWithLook(name, "button", ButtonLookKeys(changes));
}

TspSkinData* ButtonSkin(const TLookKeys& changes) { return SkinWithLook("button", ButtonLookKeys(changes)); }

TspDataSkinButtonControl& ButtonLook(TspSkinData& skin) {
  return dynamic_cast<TspDataSkinButtonControl&>(*skin.CtrlList[skin.GetControlIndex("button")]);
}

std::vector<TColor> PicturePart(TspSkinData& skin, const TRect& part) {
  TBitmap bitmap;
  CopyPart(skin, part, bitmap);
  return Pixels(bitmap);
}

std::vector<TColor> MorphedParts(TspSkinData& skin, const TRect& from, const TRect& to, TMorphKind kind, double kf) {
  TBitmap a, b;
  CopyPart(skin, from, a);
  CopyPart(skin, to, b);
  a.FreeContext();
  b.FreeContext();
  TspEffectBmp blended(a.Handle());
  const TspEffectBmp target(b.Handle());
  blended.MorphByKind(kind, &target, kf);
  TBitmap out;
  out.SetPixelFormat(pf24bit);
  out.SetSize(from.Width(), from.Height());
  blended.Draw(out.Canvas()->Handle(), 0, 0);
  return Pixels(out);
}

std::vector<TColor> FaceOf(TControl* control) {
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(control->Width(), control->Height());
  dynamic_cast<TWinControl*>(control)->PaintWindowInto(face.Canvas()->Handle());
  face.Canvas()->Refresh();
  return Pixels(face);
}

TColor FacePixel(TControl* control, int x, int y) {
  return FaceOf(control)[static_cast<size_t>(y * control->Width() + x)];
}

TTestButton::TTestButton(TComponent* owner) : TspSkinButton(owner) {
  OnClick = TNotifyEvent(this, &TTestButton::Clicked);
}

void TTestButton::Clicked(TObject* sender) {
  (void)sender;
  ++clicks;
  clickTimes.push_back(GetTickCount64());
}

void PressAt(TControl* control, int x, int y) {
  testsupport::MoveMouse(control, x, y);
  MouseButtonInput(MOUSEEVENTF_LEFTDOWN);
  testsupport::ServeApplication(60);
}

void ReleaseButton() {
  MouseButtonInput(MOUSEEVENTF_LEFTUP);
  testsupport::ServeApplication(60);
}

// One form serves every test (destroying a shown form is slow under Wine); each test's
// controls go with it.
void ButtonTest::SetUp() {
  static TForm* shared = [] {
    InitializeControlClasses();
    InitializeSkinData();
    InitializeSkinControls();
    return testsupport::ShowTestForm(320, 240);
  }();
  form = shared;
  form->SetModalResult(mrNone);
  SetForegroundWindow(form->Handle());
  // The pointer waits in a corner no test places a button in.
  testsupport::MoveMouse(form, 310, 230);
}

void ButtonTest::TearDown() {
  ReleaseButton();
  while (form->ComponentCount() > 0) delete form->Components(0);
  form->SetModalResult(mrNone);
}

}  // namespace skinbuttons
