#pragma once
// The form-skinning component: a form owning a TspFormSkinner is drawn from a skin. The
// component takes over the form's window procedure, fits the skin picture to the form's
// size (geometry, window region from the mask, frame and face painting), keeps the size
// limits, re-applies the skin when its skin data loads another one and re-skins the
// form's skinned controls and components. In client mode it also pins controls to the
// skin's named areas.
//
// The component's units: Formskinner_Component.cpp (construction, take-over, activation,
// placement), Formskinner_Geometry.cpp (marks, region), Formskinner_Paint.cpp (frame,
// face, client background, logo, icon), Formskinner_Sizing.cpp (size limits),
// Formskinner_Reskin.cpp (skin application, re-skin walks, areas),
// Formskinner_ObjectList.cpp (loading, tracking and addressing the skin objects),
// Formskinner_ValueObjects.cpp (track bars, gauges, frame gauges and regulators),
// Formskinner_AnimateObject.cpp (animations),
// Formskinner_HitTest.cpp (hit tests), Formskinner_Pointer.cpp (the pointer's dispatch to
// the objects, dragging, magnetic edges), Formskinner_WindowState.cpp (minimise, maximise,
// restore), Formskinner_WndProc.cpp (the replacement window procedure),
// Formskinner_Default.cpp (the built-in look without a skin), Formskinner_TextObjects.cpp
// (labels, picture-font labels, captions), Formskinner_Translucency.cpp (alpha
// blending, fade-in, shadow), Formskinner_Menus.cpp (the menu controller, popping menus
// up, the open-menu bookkeeping and the application hook), Formskinner_SystemMenu.cpp
// (the system and tray menus) and Formskinner_ShortCuts.cpp (the form's shortcuts and
// the keys of an open menu).
#include <memory>
#include <string>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/Timer.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinmenus_Host.h"
#include "skin/data/Skindata.h"
#include "skin/form/Formskinner_Objects.h"
#include "skin/form/Formskinner_Region.h"
#include "skin/form/Formskinner_SkinComponent.h"

// Messages a skinned form answers besides the platform's.
constexpr UINT CM_SKINFORMQUERY = 45490;   // answers kSkinnedFormAnswer while skinned
constexpr UINT CM_SENCPAINT = 45513;       // paints the frame into the DC in wParam
constexpr UINT CM_BENCPAINT = 48203;       // the same, when lParam is kBENCPaintTag
constexpr LRESULT kSkinnedFormAnswer = 12853;
constexpr LRESULT kUnskinnedFormAnswer = 12852;
constexpr LRESULT kSENCPaintAnswer = 12851;
constexpr LPARAM kBENCPaintTag = 16802;
constexpr UINT_PTR kFadeTimerId = 1;  // the fade-in's timer on the form's window

enum TspPositionInMonitor { sppDefault, sppScreenCenter, sppDesktopCenter };
// Scoped: the class library's TBorderIcon holds the same names.
enum class TspBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TspBorderIcons = TSet<TspBorderIcon>;
// The component's own window state; the form's stays normal while it is skinned.
enum TspWindowState { spwsNormal, spwsMinimized, spwsMaximized };

using TChangeClientRectEvent = TEvent<const TRect&>;
// Events of the skin objects, each naming the object by its IDName.
using TspMouseDownEvent = TEvent<const AnsiString&, int, int, const TRect&, TMouseButton>;
using TspMouseUpEvent = TEvent<const AnsiString&, int, int, const TRect&, TMouseButton>;
using TspMouseMoveEvent = TEvent<const AnsiString&, int, int, const TRect&>;
using TspMouseEnterEvent = TEvent<const AnsiString&>;
using TspMouseLeaveEvent = TEvent<const AnsiString&>;
using TspPaintEvent = TEvent<const AnsiString&, TCanvas*, const TRect&>;
using TspSwitchChangeStateEvent = TEvent<const AnsiString&, TSwitchState>;
using TspActivateCustomObjectEvent = TEvent<const AnsiString&, bool&>;
// A track bar or frame regulator changed its value: the object's IDName and the value.
using TspTrackBarChangeValueEvent = TEvent<const AnsiString&, int>;
using TspFrameRegulatorChangeValueEvent = TEvent<const AnsiString&, int>;
// Paints the caption's title instead of the component: canvas, title rectangle, active.
using TspCaptionPaintEvent = TEvent<TCanvas*, const TRect&, bool>;

class TspSkinHint;
class TspSkinStatusBar;
class TspSkinMenu;
class TspSkinPopupMenu;

// A control pinned to a skin area: the area's rectangle in picture coordinates.
struct TspAreaLink {
  TControl* Control;
  TRect AreaRect;
};

class TspFormSkinner : public TComponent, public IspSkinMenuHost {
  CLASSLIB_CLASS(TspFormSkinner, TComponent)
 public:
  // The owner must be a form (else EInvalidCast). Takes over the form's window procedure.
  explicit TspFormSkinner(TComponent* owner);
  // Gives the form its window procedure back (the window is not recreated).
  ~TspFormSkinner() override;

  // Published properties.
  TspPositionInMonitor PositionInMonitor = sppDefault;
  int ClientWidth = 0;   // non-client mode: the form's client size after each application
  int ClientHeight = 0;
  bool HideCaptionButtons = false;
  TBitmap* LogoBitMap() const { return logoBitMap_.get(); }
  void SetLogoBitMap(TBitmap* value) { logoBitMap_->Assign(value); }
  bool LogoBitMapTransparent = false;
  bool MaximizeOnFullScreen = false;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  bool Sizeable = true;
  TspBorderIcons BorderIcons{TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize, TspBorderIcon::biMaximize,
                            TspBorderIcon::biRollUp};
  bool SupportNCArea() const { return supportNCArea_; }
  void SetSupportNCArea(bool value);
  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value);
  TspSkinData* MenusSkinData() const override { return menusSkinData_; }
  void SetMenusSkinData(TspSkinData* value);
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  bool UseSkinCursors = false;
  bool UseFormCursorInNCArea = false;
  bool DraggAble = false;
  bool Magnetic = false;
  int MagneticSize = 10;
  TspSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TspSkinHint* value);
  TspSkinStatusBar* StatusBar() const { return statusBar_; }
  void SetStatusBar(TspSkinStatusBar* value);

  TChangeClientRectEvent OnChangeClientRect;
  TNotifyEvent OnChangeSkinData;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnMaximize;
  TNotifyEvent OnRestore;
  TspMouseDownEvent OnMouseDownEvent;
  TspMouseUpEvent OnMouseUpEvent;
  TspMouseMoveEvent OnMouseMoveEvent;
  TspMouseEnterEvent OnMouseEnterEvent;
  TspMouseLeaveEvent OnMouseLeaveEvent;
  TspPaintEvent OnPaintEvent;
  TspSwitchChangeStateEvent OnSwitchChangeStateEvent;
  TspActivateCustomObjectEvent OnActivateCustomObject;
  TspTrackBarChangeValueEvent OnTrackBarChangeValueEvent;
  TspFrameRegulatorChangeValueEvent OnFrameRegulatorChangeValueEvent;
  TspCaptionPaintEvent OnCaptionPaint;

  // The built-in look without a usable skin (Formskinner_Default.cpp): caption fonts of
  // the active and the inactive form.
  TFont* DefCaptionFont() const { return defCaptionFont_.get(); }
  void SetDefCaptionFont(TFont* value) { defCaptionFont_->Assign(value); }
  TFont* DefInActiveCaptionFont() const { return defInActiveCaptionFont_.get(); }
  void SetDefInActiveCaptionFont(TFont* value) { defInActiveCaptionFont_->Assign(value); }

  // Translucency (Formskinner_Translucency.cpp): a layered form at AlphaBlendValue, and
  // a fade-in from transparent whenever the form is shown.
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  BYTE AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(BYTE value);
  bool AlphaBlendAnimation = false;
  bool ShadowEnabled = false;
  // Sets the window class's drop shadow; `reshow` hides the form around the change.
  void EnableShadow(bool value, bool reshow);

  // Published menu properties and events (Formskinner_Menus.cpp, _SystemMenu.cpp).
  // The menu settings live in the menu controller; the component keeps no copy.
  TPopupMenu* SystemMenu() const { return systemMenu_; }
  void SetSystemMenu(TPopupMenu* value);
  bool UseDefaultSysMenu = true;
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool value);
  bool GetUseSkinFontInMenu() const;
  void SetUseSkinFontInMenu(bool value);
  int GetDefaultMenuItemHeight() const;
  void SetDefaultMenuItemHeight(int value);  // values of 0 and below are ignored
  TFont* GetDefaultMenuItemFont() const;
  void SetDefaultMenuItemFont(TFont* value);
  int MaxMenuItemsInWindow() const;
  void SetMaxMenuItemsInWindow(int value);  // negative values are ignored
  bool MenusAlphaBlend() const;
  void SetMenusAlphaBlend(bool value);
  bool MenusAlphaBlendAnimation() const;
  void SetMenusAlphaBlendAnimation(bool value);
  int MenusAlphaBlendValue() const;
  void SetMenusAlphaBlendValue(int value);
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  TNotifyEvent OnMainMenuEnter;
  TNotifyEvent OnMainMenuExit;
  // Asked first on every shortcut key of the form (it replaces the form's own event).
  TShortCutEvent OnShortCut;

  // Members the other parts of the component rely on.
  TCustomForm* OwnerForm = nullptr;
  TWndMethod OldWindowProc;
  bool SkinUsable = false;
  bool SkinLoading = false;
  bool ApplyingSkin = false;
  bool PositionPending = true;
  bool VistaOS = false;
  bool NCActivated = false;
  TspWindowState WindowState = spwsNormal;
  TRect RestoreBounds;  // null while nothing is saved
  bool RollUpState = false;
  bool InSizeMove = false;
  bool FullDragg = false;
  bool MouseTracking = false;
  bool Dragging = false;
  TPoint DraggPoint;
  bool SnappedLeft = false, SnappedTop = false, SnappedRight = false, SnappedBottom = false;
  TPoint SnapCursorPos{-1, -1};
  // The pointer's tracking (50 ms) and the morph steps (25 ms); both off at construction.
  std::unique_ptr<TTimer> MouseTimer;
  std::unique_ptr<TTimer> MorphTimer;
  // The caption objects' activation animation and the animation objects (25 ms); off at
  // construction.
  std::unique_ptr<TTimer> AnimateTimer;
  int NewFormWidth = 0, NewFormHeight = 0;
  int ActiveObject = -1, OldActiveObject = -1, CaptureObject = -1;
  std::vector<std::unique_ptr<TspActiveSkinObject>> ObjectList;
  std::vector<TspAreaLink> AreaLinks;

  // The form's menus: the built-in system menu, the tray menu (owned by the component)
  // and the open-menu state with the application hook.
  TPopupMenu* BuiltInSysMenu = nullptr;
  TspSkinPopupMenu* TrayMenu = nullptr;
  bool SkinMenuOpened = false;
  bool MainMenuActive = false;
  bool AppHooked = false;
  TMessageEvent OldAppMessage;  // the application's handler while hooked

  // Geometry for the current size (window coordinates; client ones in client mode).
  TPoint CurLTPoint, CurRTPoint, CurLBPoint, CurRBPoint;
  TRect CurClRect, NewCaptionRect, NewButtonsRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
  TRect NewMaskRectArea, NewIconRect, MainMenuRect, NewSizeGripRect;
  std::unique_ptr<TBitmap> TopMask, BottomMask, LeftMask, RightMask;
  // The region last handed to the window (the system owns it; kept to know one is set).
  HRGN FormRegion = nullptr;
  TRect DefCaptionRect;  // the default look's caption strip, window coordinates

  bool GetSkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  void LoadBorderIcons();
  void UpDateForm();
  bool GetFormActive() const;
  void FormChangeActive(bool update);
  void ApplyPositionInMonitor();
  TPoint GetPositionInMonitor(int x, int y, int w, int h) const;

  // Geometry and region (Formskinner_Geometry.cpp).
  bool CanScale() const;
  bool CanNCSupport() const;
  void CalcRects();
  TRect CalcRealObjectRect(const TRect& r) const;
  void CalcAllRealObjectRect();
  void LayOutCaptionButtons();
  void CreateNewForm(bool scale);
  void CreateNewRegion(bool scale);

  // Painting (Formskinner_Paint.cpp).
  void PaintNCSkin(HDC dc, bool useDC);
  void Paint(HDC dc);
  void CreateRealBitMap(TBitmap* dest, TBitmap* source);
  void PaintBG(HDC dc);
  void PaintBG2(HDC dc);
  void DrawLogoBitMap(TCanvas* canvas);
  HICON GetIcon();
  void GetIconSize(int& w, int& h) const;
  void DrawFormIcon(TCanvas* canvas, int x, int y);
  bool GetAutoRenderingInActiveImage() const;
  void SetDefaultCaptionText(const AnsiString& caption);

  // The default look (Formskinner_Default.cpp): a 3-pixel border, a striped caption of
  // GetDefCaptionHeight() and caption buttons of GetDefButtonSize().
  int GetDefButtonSize() const;
  void LoadDefObjects();
  void CalcDefRects();
  TRect GetDefCaptionRect();
  void PaintNCDefault(HDC dc, bool useDC);
  void PaintBGDefault(HDC dc);
  void CorrectCaptionText(TCanvas* canvas, std::wstring& text, int width);
  int NewDefNCHitTest(const TPoint& p);

  // Size limits (Formskinner_Sizing.cpp). The built-in frame of a form without a usable
  // skin has a caption of GetDefCaptionHeight() and 3-pixel borders.
  int GetDefCaptionHeight() const;
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  void CheckSize();

  // Skin application, re-skinning and areas (Formskinner_Reskin.cpp).
  void ChangeSkinData();
  void BeforeUpDateSkinControls(TspSkinData* skinData, TWinControl* control);
  void UpDateSkinControls(TspSkinData* skinData, TWinControl* control);
  void BeforeUpDateSkinComponents(TspSkinData* skinData);
  void UpDateSkinComponents(TspSkinData* skinData);
  void CheckControlsBackground();
  TRect GetAreaRect(const AnsiString& areaName) const;
  void LinkControlToArea(const AnsiString& areaName, TControl* control);
  void UnLinkControlFromArea(TControl* control);
  void LinkControlsToAreas();
  void ControlsToAreas();

  // The skin objects (Formskinner_ObjectList.cpp).
  void ClearObjects();
  void LoadObjects();
  void CheckObjects();
  void CheckObjectsHint();
  void UpDateActiveObjects();
  void DrawSkinObject(TspActiveSkinObject* object);
  int GetIndex(const AnsiString& idName) const;
  bool CanObjectTest(bool rollUp) const;
  void TestActive(int x, int y, bool canActivate);
  void TestMouse(TObject* sender);
  void TestMorph(TObject* sender);
  void TestAnimate(TObject* sender);
  void TestCursors();
  void MouseDownEvent(const AnsiString& idName, int x, int y, const TRect& objectRect, TMouseButton button);
  void MouseUpEvent(const AnsiString& idName, int x, int y, const TRect& objectRect, TMouseButton button);
  void MouseMoveEvent(const AnsiString& idName, int x, int y, const TRect& objectRect);
  void MouseEnterEvent(const AnsiString& idName);
  void MouseLeaveEvent(const AnsiString& idName);
  void PaintEvent(const AnsiString& idName, TCanvas* canvas, const TRect& objectRect);
  void SwitchChangeStateEvent(const AnsiString& idName, TSwitchState state);
  void TrackBarChangeValueEvent(const AnsiString& idName, int value);
  void FrameRegulatorChangeValueEvent(const AnsiString& idName, int value);
  // Operations by IDName on the first object of that name; other names or kinds do
  // nothing (getters answer False / swsOff / 0). While a skin is applied the value setters
  // store (and report) without drawing.
  void SetEnabled(const AnsiString& idName, bool value);
  void ButtonSetDown(const AnsiString& idName, bool value);
  bool ButtonGetDown(const AnsiString& idName) const;
  void SwitchSetState(const AnsiString& idName, TSwitchState value);
  TSwitchState SwitchGetState(const AnsiString& idName) const;
  void UserObjectDraw(const AnsiString& idName);
  void TrackBarSetValue(const AnsiString& idName, int value);
  int TrackBarGetValue(const AnsiString& idName) const;
  void GaugeSetValue(const AnsiString& idName, int value);
  void FrameGaugeSetValue(const AnsiString& idName, int value);
  void FrameRegulatorSetValue(const AnsiString& idName, int value);
  int FrameRegulatorGetValue(const AnsiString& idName) const;
  void AnimateStart(const AnsiString& idName);
  void AnimateStop(const AnsiString& idName);
  // The text objects' texts (Formskinner_TextObjects.cpp).
  void LabelSetText(const AnsiString& idName, const AnsiString& text);
  void BitLabelSetText(const AnsiString& idName, const AnsiString& text);
  void CaptionSetText(const AnsiString& idName, const AnsiString& text);

  // Hit tests (Formskinner_HitTest.cpp): P in window coordinates (non-client mode) or
  // client coordinates (client mode).
  int NewNCHitTest(const TPoint& p);
  int NewHitTest(const TPoint& p);
  bool PtInMask(const TPoint& p) const;
  bool InForm(const TPoint& screenPoint) const;
  TPoint PointToNCPoint(const TPoint& screenPoint) const;

  // The pointer (Formskinner_Pointer.cpp).
  void MouseMove(int x, int y);
  void MouseDown(TMouseButton button, int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  void MouseDBlClick();
  void StartDragg(int x, int y);
  void EndDragg();
  // Sticks the proposed top-left of a move to the work area's edges; answers whether the
  // bottom edge is near.
  bool DoMagnetic(int& left, int& top, int width, int height);

  // Window states (Formskinner_WindowState.cpp).
  void SetWindowState(TspWindowState value);
  // A double click on the caption object of a client-mode form maximises a sizeable form
  // and restores it again.
  void CheckWindowState();
  void DoMinimize();
  void DoMaximize();
  void DoNormalize();
  TPoint GetMinimizeCoord() const;

  // The replacement window procedure (Formskinner_WndProc.cpp).
  void NewWndProc(TMessage& message);

  // The menu host: menus of this form open through its controller (Formskinner_Menus.cpp).
  TCustomForm* MenuHostForm() const override { return OwnerForm; }
  TspSkinMenu* SkinMenu() const override { return skinMenu_; }
  void SkinMenuOpen() override;
  void SkinMenuClose() override;
  // A popup of main-menu mode closed; the mode goes on.
  void SkinMenuClose2();
  void SkinMainMenuClose();
  // Run first for every message of the form: closing messages close an open menu.
  void CheckMenuVisible(UINT message);
  void HookApp();
  void UnHookApp();
  void NewAppMessage(MSG& message, bool& handled);
  // Popping menus up: screen points and rectangles.
  void TrackSystemMenu(int x, int y);
  void TrackSystemMenu2(const TRect& r);
  // Beside the first enabled system-menu object, in list order (each one in turn).
  void PopupSystemMenu();
  void DoPopupMenu(TPopupMenu* menu, int x, int y);
  void PopupSkinMenu(TMenu* menu, const TPoint& p);
  void PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp);

  // The system and tray menus (Formskinner_SystemMenu.cpp).
  TMenuItem* GetSystemMenu();
  void CreateSysMenu();
  void CreateUserSysMenu();
  void CreateSysTrayMenu();
  void SM_Min(TObject* sender);
  void SM_Max(TObject* sender);
  void SM_Restore(TObject* sender);
  void SM_RollUp(TObject* sender);
  void SM_MinToTray(TObject* sender);
  void SM_Close(TObject* sender);
  void TSM_Restore(TObject* sender);
  void TSM_Close(TObject* sender);

  // Keys (Formskinner_ShortCuts.cpp): the form's shortcut handler, the keys of an open
  // menu, and the menu key.
  void FormShortCut(MSG& message, bool& handled);
  void FormKeyDown(const MSG& message);
  void ActivateMenu();
  void KeyMenu();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool SkinDataUsable() const;
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void TakeOverWindowProc();
  void CreateMenus();
  void FreeMenus();
  TspSkinData* MenuSkin() const { return menusSkinData_ != nullptr ? menusSkinData_ : skinData_; }
  // Frees the standard system-menu items, whichever menu holds them.
  void FreeStandardSysItems();
  TMenuItem* MakeStandardItem(int entry);
  bool StandardItemShown(int entry) const;
  bool HandleMenuMessage(TMessage& message);
  void RepaintFrame();
  void RepaintForm();
  void SetRegion(HRGN region);
  void RemoveRegion();
  void ApplyClientSize();
  void SetFormClientSize(int width, int height);
  void RecalcFrame();
  void FitMinimumSize();
  void ChangeSkinDataNC();
  void ChangeSkinDataClient();
  void PaintBackground(HDC dc);
  void PaintClientTile(HDC dc, TBitmap* tile);
  void DrawSizeGrip(TBitmap* face);
  void DrawObjectsIntoBands(TBitmap* top, TBitmap* bottom);
  void DrawInactiveBand(HDC dc, TBitmap* band, int x, int y) const;
  void WMSize();
  void WMNCCalcSize(TMessage& message);
  void WMShowWindow(TMessage& message);
  void PaintFrameInto(HDC dc);
  bool HandleSkinMessage(TMessage& message);
  bool HandleFrameMessage(TMessage& message);
  bool HandleObjectMessage(TMessage& message);
  bool HandleSizeMoveMessage(TMessage& message);
  void WMNCHitTest(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMMoving(RECT& proposed);
  void DispatchMouse(const TMessage& message);
  void DispatchNCMouse(const TMessage& message);
  void CaptionDoubleClick();
  void DragTo(const TPoint& cursor);
  void ClearSnaps();
  void ResetObjectTracking();
  TspActiveSkinObject* Object(int index) const;
  template <class Kind>
  Kind* Find(const AnsiString& idName) const {
    return dynamic_cast<Kind*>(Object(GetIndex(idName)));
  }
  // SetValue of the named object of that kind, or SimplySetValue while a skin is applied.
  template <class Kind>
  void SetObjectValue(const AnsiString& idName, int value) {
    Kind* object = Find<Kind>(idName);
    if (object == nullptr) return;
    if (ApplyingSkin) {
      object->SimplySetValue(value);
    } else {
      object->SetValue(value);
    }
  }
  bool NearEdge(const TPoint& p) const;
  int EdgeZone(const TPoint& p) const;
  bool MinimizedSlotTaken(const TPoint& slot) const;
  bool OnCaptionObject(const TPoint& p) const;
  // The object at P that the pointer works: the first one there, a caption only where no
  // other object is; -1 for none.
  int ObjectAt(const TPoint& p) const;
  void ChooseDefaultCaption();
  void CaptionsChangeActive(bool update);
  void DrawDefaultCaptionText(TCanvas* canvas, int left, int end);
  void ApplyLayered(bool layered);
  void StartFadeIn();
  void FadeStep();
  void StopFade();
  void HideTranslucent();
  void RepaintTranslucentForm();
  bool TranslucencyUsable() const;

  std::unique_ptr<TBitmap> logoBitMap_;
  std::unique_ptr<TIcon> formIcon_;
  std::unique_ptr<TFont> defCaptionFont_;
  std::unique_ptr<TFont> defInActiveCaptionFont_;
  bool alphaBlend_ = false;
  BYTE alphaBlendValue_ = 200;
  int fadeAlpha_ = 0;
  DWORD fadeTick_ = 0;
  bool fading_ = false;
  bool supportNCArea_ = true;
  bool skinnableForm_ = true;
  TspSkinData* skinData_ = nullptr;
  TspSkinData* menusSkinData_ = nullptr;
  TspSkinHint* skinHint_ = nullptr;
  TspSkinStatusBar* statusBar_ = nullptr;
  TspSkinMenu* skinMenu_ = nullptr;
  TPopupMenu* systemMenu_ = nullptr;
  bool showIcon_ = false;
};

class TspEffectBmp;
// Applies the skin's effect for the faces of an inactive form.
void ApplyInactiveEffect(TspEffectBmp& bitmap, TspInActiveEffect effect);

// The first TspFormSkinner the form owns (in component order), or null.
TspFormSkinner* GetFormSkinnerComponent(TCustomForm* form);

// Registers the component, TspSkinComponent and TspSkinMessage for form resources (once).
void InitializeFormSkinner();
