#pragma once
#include <string>

#include "classlib/graphics/Bitmap.h"
#include "classlib/windowing/Menus.h"
#include "skin/data/Skindata.h"

class TspSkinPopupWindow;
class TspEffectBmp;

// True for the window messages that close an open skinned menu of a form: moving,
// sizing, activation, focus loss, cancel mode and presses of any mouse button.
bool CanMenuClose(UINT message);

// The default glyphs of menu items, in `color`: the check mark (three strokes from
// x, y + 5), the radio dot (6 x 6 at x, y) and the sub-menu arrow (4 x 7 at x, y).
void DrawMenuCheckImage(TCanvas* canvas, int x, int y, TColor color);
void DrawMenuRadioImage(TCanvas* canvas, int x, int y, TColor color);
void DrawMenuArrowImage(TCanvas* canvas, int x, int y, TColor color);

// A caption in the text form the skin library draws.
std::wstring MenuText(const AnsiString& text);

enum class TspMenuItemKind { Separator, Header, System, SubMenu, Plain };

// The drawing and state object of one menu item while it shows in an open skinned
// popup window. It draws from the skin's menu-item look or, without one, in the default
// look, keeps the hover, pressed, animation and morph state, and tells the controller
// of hovers and clicks (CheckItem).
//
// The look descriptor is shared and never changed: an item whose look has no usable
// picture draws in the default look.
class TspSkinMenuItem : public TObject {
  CLASSLIB_CLASS(TspSkinMenuItem, TObject)
 public:
  TspSkinMenuItem(TspSkinPopupWindow* window, TMenuItem* menuItem, TspDataSkinMenuItem* look);
  ~TspSkinMenuItem() override;

  TspSkinPopupWindow* Window() const { return window_; }
  TMenuItem* MenuItem() const { return menuItem_; }
  // The look the item draws with; null: the default look.
  TspDataSkinMenuItem* Look() const { return look_; }
  TspMenuItemKind Kind() const;
  bool IsSeparator() const { return menuItem_->Caption() == "-"; }
  // Enabled and not a separator: may be lit and chosen.
  bool Selectable() const { return menuItem_->Enabled() && !IsSeparator(); }
  // The item's height in its window.
  int ItemHeight() const;

  void Draw(TCanvas* canvas);
  void DefaultDraw(TCanvas* canvas);
  // Draws the item now, or lets the window's effect timer draw it.
  void Redraw();
  void MouseEnter(bool byKeyboard);
  void MouseLeave();
  void MouseDown(int x, int y);
  bool EnableAnimation() const;
  bool EnableMorphing() const;
  virtual bool CanMorphing();
  void DoMorphing();
  double MorphKf() const { return morphKf_; }
  void SetMorphKf(double value);
  // One step of the hover animation; false when the frame is already at its end.
  bool StepAnimation();
  void DrawSkinCheckImage(TCanvas* canvas, const TRect& r, bool active);
  void DrawSkinRadioImage(TCanvas* canvas, const TRect& r, bool active);
  void DrawSkinArrowImage(TCanvas* canvas, const TRect& r, bool active);

  TRect ItemRect;
  bool Active = false;
  bool Down = false;
  bool Visible = true;
  bool Waiting = false;
  int CurrentFrame = 0;

 private:
  bool Lit() const { return Active || Down; }
  void DrawOnce(TBitmap* bitmap, bool lit, const TRect* frameRect);
  void DrawContent(TCanvas* canvas, const TRect& textRect, TColor fontColor, bool lit);
  void DrawHeader(TBitmap* bitmap);
  void DrawMorphed(TCanvas* canvas);
  void CopyToCanvas(TCanvas* canvas, TBitmap* bitmap);
  void DrawSkinMark(TCanvas* canvas, const TRect& markRect, const TRect& r);
  TRect FrameRect(int frame) const;
  void PrepareFont(TFont* font, bool skinFont) const;
  void DrawItemImage(TCanvas* canvas, int left, int top, TColor frameColor);
  bool HasImage() const;
  SIZE ImageSize() const;
  bool IsSystemItem() const;
  void DrawSystemGlyph(TCanvas* canvas, int x, int y, TColor color) const;

  TspSkinPopupWindow* window_;
  TspDataSkinMenuItem* look_;
  TBitmap* picture_ = nullptr;
  double morphKf_ = 0;
  TMenuItem* menuItem_;
};
