#pragma once
// What the menu button and the menu speed button share: the drop-down part that opens
// the menu (a 15-pixel strip, or the look's track rectangle at the current size), the
// opening of the popup menu and of the images menu beside the button, the end of an open
// menu, and the face pieces of the stretched and nine-part tool-button looks.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"
#include "skin/controls/Skinctrls_Geometry.h"
#include "skin/controls/Skinimagesmenu.h"
#include "skin/controls/Skinmenus_Popup.h"
#include "skin/data/Skindata_Buttons.h"

// The drop-down part's width wherever the look does not give it.
inline constexpr int kTrackPartWidth = 15;

// How a drop-down button composes its look's faces.
enum class TspTrackFaceWay {
  Stretched,  // "toolbutton", "bigtoolbutton": the whole part stretched around the client
  NineParts,  // "resizebutton", "resizetoolbutton": nine parts with the look's stretch flags
  Other,      // any other look: the button's own faces
};
TspTrackFaceWay TrackFaceWay(const AnsiString& lookName);

// Is `x`, `y` inside `r`, edges included?
bool InsideInclusive(const TRect& r, int x, int y);

// The look's track rectangle at the size W x H: moved right by the width gained with a
// horizontal look, down by the height gained with a vertical one.
TRect MovedTrackRect(const TRect& track, int resizeMode, const TRect& skinRect, int W, int H);

// The nine-part geometry of a look: corner points and client rectangle relative to its
// skin rectangle, the stretch flags.
struct TspNinePartLook {
  TPoint LT, RT, LB, RB;
  TRect CR;
  TRect SR;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false, ClientStretch = false;
  TspStretchType StretchType = spstFull;
};
TspNinePartLook NinePartsOf(const TspSkinLookGeometry& geometry);
TspNinePartLook NinePartsOf(const TspDataSkinCustomControl& look);

// Rectangle `source` of `picture` composed by `way` at W x H into a bitmap of that size:
// stretched around the client rectangle, or in nine parts whose right points move by the
// width gained and lower points by the height gained.
void ComposeTrackPart(TBitmap& part, TspTrackFaceWay way, const TspNinePartLook& look, TBitmap* picture,
                      const TRect& source, int W, int H);

// Draws a composed part onto `target` at `dest` (of the part's size).
void DrawTrackPart(TCanvas* target, const TRect& dest, TspTrackFaceWay way, const TspNinePartLook& look,
                   TBitmap* picture, const TRect& source);

// The down picture's track part (the track rectangle moved by the down rectangle's
// corner) copied onto `dest` of the face.
void CopyTrackDownPart(TCanvas* face, TBitmap* picture, const TRect& track, const TRect& downRect, const TRect& dest);

// Opening and closing the menus of a drop-down button `B`, which names this helper a
// friend and has popupMenu_, menuOpen_, mouseIn_, SkinImagesMenu(), SetDown, Repaint and
// the events OnShowTrackMenu and OnHideTrackMenu.
template <class B>
struct TspMenuTrack {
  // Opens the popup menu and then the images menu under the button (both when both are
  // set), firing OnShowTrackMenu before each.
  static void TrackMenu(B& b, const TNotifyEvent& imagesMenuClosed) {
    const TPoint p = b.ClientToScreen(Point(0, 0));
    const TRect r = Rect(p.X, p.Y, p.X + b.Width(), p.Y + b.Height());
    if (b.popupMenu_ != nullptr) {
      if (b.OnShowTrackMenu) b.OnShowTrackMenu(&b);
      b.popupMenu_->PopupFromRect2(&b, r, false);
    }
    if (auto* images = dynamic_cast<TspSkinImagesMenu*>(b.SkinImagesMenu())) {
      if (b.OnShowTrackMenu) b.OnShowTrackMenu(&b);
      images->CloseHook = imagesMenuClosed;
      images->PopupFromRect(r);
    }
  }

  // Neither menu set: nothing to open.
  static bool HasMenu(const B& b) { return b.popupMenu_ != nullptr || b.SkinImagesMenu() != nullptr; }

  // A left press that opens the menu (answers false when the press is the button's).
  static bool Press(B& b, bool opens) {
    b.menuOpen_ = opens;
    if (!opens) return false;
    if (!b.Down()) b.SetDown(true);
    b.TrackMenu();
    return true;
  }

  // The menu closed: up, not hot, OnHideTrackMenu.
  static void Closed(B& b) {
    b.menuOpen_ = false;
    b.SetDown(false);
    b.mouseIn_ = false;
    if (b.OnHideTrackMenu) b.OnHideTrackMenu(&b);
    b.Repaint();
  }

  static void Forget(B& b, TComponent* component) {
    if (component != nullptr && component == b.popupMenu_) b.popupMenu_ = nullptr;
  }
};
