#pragma once
// Forms for the dialog-look tests: dialogs in the built-in look (no skin) and forms with
// text objects, kept for one test and freed with the fixture; ink scans of captures.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../form/FormObjectFixtures.h"
#include "classlib/windowing/Application.h"

namespace dialoglook {

// The bounding box of the pixels of `color` in `rect` of the window (empty when none).
inline TRect InkBox(TWinControl* control, const TRect& rect, COLORREF color) {
  const std::unique_ptr<TBitmap> capture = testsupport::CaptureWindow(control->Handle(), rect);
  TRect box{rect.Right, rect.Bottom, rect.Left - 1, rect.Top - 1};
  for (int y = 0; y < capture->Height(); ++y) {
    for (int x = 0; x < capture->Width(); ++x) {
      if (static_cast<COLORREF>(ColorToRGB(capture->Canvas()->Pixels(x, y))) != color) continue;
      box.Left = std::min(box.Left, rect.Left + x);
      box.Top = std::min(box.Top, rect.Top + y);
      box.Right = std::max(box.Right, rect.Left + x);
      box.Bottom = std::max(box.Bottom, rect.Top + y);
    }
  }
  return box;
}

inline bool HasInk(const TRect& box) { return box.Right >= box.Left; }

// The extent of `text` in a font, measured as the objects measure it.
inline SIZE TextSize(const char* name, int height, const TFontStyles& style, const AnsiString& text) {
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  TFont* font = bitmap.Canvas()->Font();
  font->SetName(name);
  font->SetHeight(height);
  font->SetStyle(style);
  return bitmap.Canvas()->TextExtent(text);
}

class DialogLookTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCursorPos(1200, 1000); }
  void TearDown() override {
    SetCursorPos(1200, 1000);
    forms_.clear();
  }
  static void TearDownTestSuite() { formobjects::SharedSkins().clear(); }

  // A shown, active form of the outer size with its component (no skin yet when `skin`
  // is null); `clientMode` takes the whole window as the skin's face.
  TspFormSkinner* ShowSkinned(int width, int height, TspSkinData* skin, bool clientMode = false,
                              TFormBorderStyle style = bsSizeable, const char* caption = "Convert") {
    forms_.push_back(formskin::MakeForm(150, 120, width, height));
    TForm* form = forms_.back().get();
    form->SetBorderStyle(style);
    form->SetCaption(caption);
    auto* skinner = new TspFormSkinner(form);
    if (clientMode) skinner->SetSupportNCArea(false);
    if (skin != nullptr) skinner->SetSkinData(skin);
    form->Show();
    Activate(form);
    return skinner;
  }

  // A second, plain form that takes the activation away.
  TForm* ShowOtherForm() {
    forms_.push_back(formskin::MakeForm(700, 500, 160, 120));
    TForm* form = forms_.back().get();
    form->Show();
    Activate(form);
    return form;
  }

  static void Activate(TCustomForm* form) {
    SetForegroundWindow(form->Handle());
    testsupport::PumpMessages(150);
  }

  static LRESULT HitTest(TCustomForm* form, int x, int y) {
    const POINT p = formobjects::WindowPoint(form, x, y);
    return SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }

  template <class Kind>
  static Kind* ObjectNamed(TspFormSkinner* skinner, const char* name) {
    const int index = skinner->GetIndex(name);
    return index < 0 ? nullptr : dynamic_cast<Kind*>(skinner->ObjectList[static_cast<size_t>(index)].get());
  }

  std::vector<std::unique_ptr<TForm>> forms_;
};

}  // namespace dialoglook
