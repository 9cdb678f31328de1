#include "framed/FrEntryFrame.h"

#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrThemes.h"

TFrEntryFrame::TFrEntryFrame(IFrEntryHost& host) : host_(host), canvas_(std::make_unique<TControlCanvas>()) {}

TFrEntryFrame::~TFrEntryFrame() {
  if (frameController_ != nullptr) frameController_->DetachControl(host_.EntryControl());
}

void TFrEntryFrame::SetColor(TColor value) {
  TWinControl* control = host_.EntryControl();
  if (value == control->Color()) return;
  control->SetColor(value);
  if (!applyingColor_) {
    if (focusColor_ == restColor_) focusColor_ = value;
    restColor_ = value;
  }
  if (DrawsOwnFrame()) host_.RepaintFrame();
}

void TFrEntryFrame::SetDisabledColor(TColor value) {
  disabledColor_ = value;
  if (!host_.EntryControl()->Enabled()) ApplyStateColor();
}

void TFrEntryFrame::SetFocusColor(TColor value) {
  focusColor_ = value;
  if (host_.EntryFocused()) ApplyStateColor();
}

void TFrEntryFrame::SetFrameHotTrack(bool value) {
  if (value == frameHotTrack_) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!Loading()) frameSides_ = kAllSides;
  }
  host_.RepaintFrame();
}

void TFrEntryFrame::SetFrameVisible(bool value) {
  if (value == frameVisible_) return;
  frameVisible_ = value;
  host_.FrameVisibilityChanged(value);
}

void TFrEntryFrame::SetFramingPreference(TFramingPreference value) {
  if (value == framingPreference_) return;
  framingPreference_ = value;
  if (value == fpCustomFraming) host_.RepaintFrame();
}

void TFrEntryFrame::SetFrameController(TFrFrameController* value) {
  SwitchFrameController(host_.EntryControl(), frameController_, value);
}

void TFrEntryFrame::Forget(TComponent* component) {
  if (component == frameController_) frameController_ = nullptr;
}

void TFrEntryFrame::ApplyStateColor() {
  TWinControl* control = host_.EntryControl();
  if (Loading()) return;
  applyingColor_ = true;
  struct TClearGuard {
    bool& flag;
    ~TClearGuard() { flag = false; }
  } guard{applyingColor_};
  if (!control->Enabled()) SetColor(disabledColor_);
  else if (host_.EntryFocused()) SetColor(focusColor_);
  else SetColor(restColor_);
}

void TFrEntryFrame::ChangeHotState(bool fromMouse, bool hot) {
  (fromMouse ? mouseHot_ : focusHot_) = hot;
  host_.RepaintHotState();
  ApplyStateColor();
}

bool TFrEntryFrame::ThemedFraming() const {
  return framingPreference_ == fpXPThemes && ThemeServices != nullptr && ThemeServices->StylesActive();
}

TFrameStyle TFrEntryFrame::ShownStyle() const { return frameHotTrack_ && Hot() ? frameHotStyle_ : frameStyle_; }

TColor TFrEntryFrame::ShownColor() const { return frameHotTrack_ && Hot() ? frameHotColor_ : frameColor_; }

void TFrEntryFrame::PaintWindowFrame() {
  TWinControl* control = host_.EntryControl();
  if (!DrawsOwnFrame() || !control->HandleAllocated()) return;
  canvas_->SetWindow(control->Handle(), true);
  struct TReleaseContext {
    TControlCanvas* canvas;
    ~TReleaseContext() { canvas->FreeHandle(); }
  } release{canvas_.get()};
  PaintFrameOn(canvas_.get(), true);
}

void TFrEntryFrame::PaintFrameOn(TCanvas* canvas, bool faceRings) {
  TWinControl* control = host_.EntryControl();
  PaintFrameByStyle(canvas, control->Width(), control->Height(), ShownStyle(), control->Color(), ShownColor(),
                    frameSides_, !faceRings);
}

void TFrEntryFrame::RedrawWindowFrame() {
  TWinControl* control = host_.EntryControl();
  if (control->HandleAllocated())
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TFrEntryFrame::TakeEnterAsTab(char& key) {
  if (!tabOnEnter_ || key != '\r') return false;
  key = 0;
  PostMessageA(host_.EntryControl()->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return true;
}

void TFrEntryFrame::Loaded() {
  ApplyStateColor();
  ChangeHotState(false, false);
}

void TFrEntryFrame::DefineProperties(TFiler* filer) {
  DefineOlderFrameProperties(filer, {[this](bool hotTrack) { SetFrameHotTrack(hotTrack); },
                                     [this] {
                                       frameStyle_ = fsStatus;
                                       frameHotStyle_ = fsLowered;
                                     },
                                     [this](TFrameStyle style) { SetFrameHotStyle(style); }});
}

void PaintHotFlatDropButton(TCanvas* canvas, const TRect& rect, TColor flatColor, bool down, bool enabled) {
  TRect inside;
  if (flatColor == clBtnFace) {
    inside = down ? PaintEdgeRings(canvas, rect, clBtnShadow, clBtnHighlight, 1, kAllSides)
                  : PaintEdgeRings(canvas, rect, clBtnHighlight, clBtnShadow, 1, kAllSides);
  } else {
    inside = PaintTintedBorder(canvas, rect, flatColor, down ? fsStatus : fsPopup);
  }
  canvas->Brush()->SetColor(flatColor);
  canvas->FillRect(inside);
  PaintDropArrow(canvas, rect, false, down, enabled);
}
