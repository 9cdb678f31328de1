#include "CheckFixture.h"

#include <map>
#include <memory>

#include "TestSkin.h"
#include "classlib/formres/ControlClasses.h"
#include "skin/data/Skindata.h"
#include "window_support.h"

namespace skinchecks {
namespace {

std::string RectValue(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

TLookKeys CheckLookKeys(const TLookKeys& changes) {
  TLookKeys look = {{"pictureindex", "0"},
                    {"maskpictureindex", "-1"},
                    {"cursorindex", "-1"},
                    {"skinrect", RectValue(kFace)},
                    {"clientrect", "0,0,40,16"},
                    {"lefttoppoint", "0,0"},
                    {"righttoppoint", "0,0"},
                    {"leftbottompoint", "0,0"},
                    {"rightbottompoint", "0,0"},
                    {"leftstretch", "0"},
                    {"topstretch", "0"},
                    {"rightstretch", "0"},
                    {"bottomstretch", "0"},
                    {"stretcheffect", "0"},
                    {"fontname", "Arial"},
                    {"fontheight", "14"},
                    {"fontcolor", "255"},
                    {"activefontcolor", "65280"},
                    {"unenabledfontcolor", "8421504"},
                    {"framefontcolor", "16711680"},
                    {"morphing", "0"},
                    {"morphkind", "mkdefault"},
                    {"activeskinrect", RectValue(kHotFace)},
                    {"checkimagearea", RectValue(kGlyphArea)},
                    {"textarea", RectValue(kTextArea)},
                    {"checkimagerect", RectValue(kChecked)},
                    {"uncheckimagerect", RectValue(kUnchecked)},
                    {"activecheckimagerect", RectValue(kHotChecked)},
                    {"activeuncheckimagerect", RectValue(kHotUnchecked)},
                    {"unenabledcheckimagerect", RectValue(kOffChecked)},
                    {"unenableduncheckimagerect", RectValue(kOffUnchecked)},
                    {"grayedcheckimagerect", RectValue(kGrayed)},
                    {"activegrayedcheckimagerect", RectValue(kHotGrayed)}};
  for (const auto& [key, value] : changes) look[key] = value;
  return look;
}

}  // namespace

std::string WriteCheckSkin(const std::string& name, const TLookKeys& changes) {
  return skinbuttons::WriteSkinWithLook(name, kLook, CheckLookKeys(changes));
}

TspSkinData* CheckSkin(const TLookKeys& changes) { return skinbuttons::SkinWithLook(kLook, CheckLookKeys(changes)); }

std::vector<TColor> PaintedBlock(TControl* control, int x, int y, int w, int h) {
  const std::vector<TColor> face = skinbuttons::FaceOf(control);
  std::vector<TColor> block;
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column)
      block.push_back(face[static_cast<size_t>(row * control->Width() + column)]);
  return block;
}

std::vector<TColor> GlyphPixels(TspSkinData& skin, const TRect& part, TColor transparent) {
  std::vector<TColor> pixels = skinbuttons::PicturePart(skin, part);
  pixels[static_cast<size_t>((part.Height() - 1) * part.Width())] = transparent;
  return pixels;
}

TTestBox::TTestBox(TComponent* owner) : TspSkinCheckRadioBox(owner) {
  OnClick = TNotifyEvent(this, &TTestBox::Clicked);
}

void TTestBox::Clicked(TObject* sender) {
  (void)sender;
  ++clicks;
  if (log != nullptr) log->push_back(this);
}

void CheckTest::SetUp() {
  static TForm* shared = [] {
    InitializeControlClasses();
    InitializeSkinData();
    InitializeSkinControls();
    return testsupport::ShowTestForm(320, 240);
  }();
  form = shared;
  SetForegroundWindow(form->Handle());
  // The pointer waits in a corner no test places a control in.
  testsupport::MoveMouse(form, 310, 230);
}

void CheckTest::TearDown() {
  skinbuttons::ReleaseButton();
  while (form->ComponentCount() > 0) delete form->Components(0);
}

TTestBox* CheckTest::Place(int left, int top, const char* caption) {
  auto* box = new TTestBox(form);
  box->SetParent(form);
  box->SetBounds(left, top, 150, 25);
  box->SetCaption(caption);
  return box;
}

}  // namespace skinchecks
