#pragma once
#include "classlib/windowing/Application.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "window_support.h"

// A windowed control that fills its client area with its colour.
class TColorPanel : public TCustomControl {
  CLASSLIB_CLASS(TColorPanel, TCustomControl)
 public:
  explicit TColorPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

// A window-less control that fills itself with its colour.
class TColorShape : public TGraphicControl {
  CLASSLIB_CLASS(TColorShape, TGraphicControl)
 public:
  explicit TColorShape(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

using testsupport::ServeApplication;
using testsupport::ShowTestForm;
using testsupport::TMessageSpy;
using testsupport::WindowClassName;
using testsupport::WindowText;
