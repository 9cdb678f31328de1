#pragma once
// The header control whose sections are painted from a button look ("resizebutton"):
// each section a face at its size, hot under the pointer and pressed while clicked, with
// its image and text; the bar after the last section the left part of the normal face.
// The system keeps the sections, divider resizing and drag reordering; the control adds
// OnSkinSectionClick, fired by a press and release over one section that neither dragged
// it nor resized a divider.
#include <memory>

#include "classlib/comctrls/HeaderControl.h"
#include "skin/controls/Skinctrls_HeaderLook.h"
#include "skin/controls/Skinctrls_Reskin.h"

// Replaces the drawing of a section's content (image and text) on its skinned face.
using TspCustomDrawSkinSectionEvent = TEvent<THeaderControl*, THeaderSection*, TRect, bool, bool, TCanvas*>;

class TspSkinHeaderControl : public THeaderControl, public IspSkinControl {
  CLASSLIB_CLASS(TspSkinHeaderControl, THeaderControl)
 public:
  explicit TspSkinHeaderControl(TComponent* owner);
  ~TspSkinHeaderControl() override;

  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override;
  void BeforeChangeSkinData() override {}
  // Finds the look again, takes a fixed-height look's height and repaints.
  void ChangeSkinData() override;
  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int value);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  // The look in use, or -1.
  int LookIndex() const { return look_.Index(); }
  // The section under the pointer (display position), or -1.
  int HotSection() const { return hot_; }

  // The rectangle of the section at a display position.
  TRect GetSkinItemRect(int position);

  TSectionNotifyEvent OnSkinSectionClick;
  TspCustomDrawSkinSectionEvent OnDrawSkinSection;

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void PaintWindow(HDC dc) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DrawSection(THeaderSection* section, const TRect& rect, bool pressed) override;

 private:
  void GetSkinData();
  // The height a look (or DefaultHeight) imposes, or 0 when the height is free.
  int ImposedHeight() const;
  int SectionCount();
  int ItemOfPosition(int position);
  int PositionAt(int x, int y);
  void DrawSkinSection(TCanvas* canvas, int position, bool pressed, bool hot);
  void DrawSkinSectionR(TCanvas* canvas, THeaderSection* section, const TRect& rect, TspSectionState state);
  void PaintRest(TCanvas* canvas, int left);
  void PrepareFont(TFont* font, TspSectionState state);
  void TestActive(int x, int y);

  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "resizebutton";
  std::unique_ptr<TFont> defaultFont_;
  int defaultHeight_ = 0;
  bool useSkinFont_ = true;
  TspHeaderLook look_;
  int hot_ = -1;
  int pressedSection_ = -1;
  bool pressed_ = false;
  bool onDivider_ = false;
  bool resizing_ = false;
  bool dragging_ = false;
};
