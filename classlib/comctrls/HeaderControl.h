#pragma once
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Collections.h"
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

class THeaderControl;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
enum THeaderStyle { hsButtons, hsFlat };
enum TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };

// One section of a header: text, width (within MinWidth..MaxWidth), image, alignment, and
// whether its owner draws it.
class THeaderSection : public TCollectionItem {
  CLASSLIB_CLASS(THeaderSection, TCollectionItem)
 public:
  explicit THeaderSection(TCollection* collection) : TCollectionItem(collection) {}

  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  THeaderSectionStyle Style() const { return style_; }
  void SetStyle(THeaderSectionStyle value);
  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool value) { allowClick_ = value; }
  // The section's left edge in the header (the widths of the sections before it).
  int Left() const;

 private:
  friend class THeaderControl;
  AnsiString text_;
  int width_ = 50;
  int minWidth_ = 0;
  int maxWidth_ = 10000;
  int imageIndex_ = -1;
  TAlignment alignment_ = taLeftJustify;
  THeaderSectionStyle style_ = hsText;
  bool allowClick_ = true;
};

// The sections of a header control; each change reaches the control's window.
class THeaderSections : public TOwnedCollection {
  CLASSLIB_CLASS(THeaderSections, TOwnedCollection)
 public:
  explicit THeaderSections(THeaderControl* control);
  THeaderSection* Items(int index) const { return static_cast<THeaderSection*>(TCollection::Items(index)); }
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  THeaderControl* control_;
};

using TSectionNotifyEvent = TEvent<THeaderControl*, THeaderSection*>;
using TSectionTrackEvent = TEvent<THeaderControl*, THeaderSection*, int, TSectionTrackState>;
using TSectionDragEvent = TEvent<TObject*, THeaderSection*, THeaderSection*, bool&>;
using TDrawSectionEvent = TEvent<THeaderControl*, THeaderSection*, TRect, bool>;

// A header over the system header control: sections that the user resizes (OnSectionTrack
// while dragging a divider, OnSectionResize when the width changed), clicks
// (OnSectionClick) and, with DragReorder, moves (OnSectionDrag may refuse). Owner-drawn
// sections are drawn by DrawSection (OnDrawSection) on Canvas.
class THeaderControl : public TWinControl {
  CLASSLIB_CLASS(THeaderControl, TWinControl)
 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return sections_; }
  THeaderStyle Style() const { return style_; }
  void SetStyle(THeaderStyle value);
  bool DragReorder() const { return dragReorder_; }
  void SetDragReorder(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  TCanvas* Canvas() const { return canvas_; }

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TSectionTrackEvent OnSectionTrack;
  TSectionDragEvent OnSectionDrag;
  TDrawSectionEvent OnDrawSection;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DrawSection(THeaderSection* section, const TRect& rect, bool pressed);
  virtual void SectionClick(THeaderSection* section) { OnSectionClick(this, section); }
  virtual void SectionResize(THeaderSection* section) { OnSectionResize(this, section); }
  virtual void SectionTrack(THeaderSection* section, int width, TSectionTrackState state) {
    OnSectionTrack(this, section, width, state);
  }
  virtual bool SectionDrag(THeaderSection* from, THeaderSection* to);

 private:
  friend class THeaderSections;
  // Makes the window's items those of Sections.
  void UpdateSections();
  void CNNotify(TMessage& message);
  void CNDrawItem(TMessage& message);
  THeaderSection* SectionOf(int index) const;
  void ItemChanged(const NMHEADERA* header);

  THeaderSections* sections_;
  THeaderStyle style_ = hsButtons;
  bool dragReorder_ = false;
  TCustomImageList* images_ = nullptr;
  TPaintCanvas* canvas_;
  bool syncing_ = false;
};
