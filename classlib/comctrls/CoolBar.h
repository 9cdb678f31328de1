#pragma once
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Collections.h"
#include "classlib/windowing/WinControl.h"

class TCoolBar;

// One band of a cool bar: the control it holds, text, image, whether it starts a new row
// (Break), its width, and whether the user may resize it (not with FixedSize).
class TCoolBand : public TCollectionItem {
  CLASSLIB_CLASS(TCoolBand, TCollectionItem)
 public:
  explicit TCoolBand(TCollection* collection) : TCollectionItem(collection) {}

  TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* control);
  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool Break() const { return break_; }
  void SetBreak(bool value);
  int Width() const { return width_; }
  void SetWidth(int value);
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int value);
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool value);

 private:
  friend class TCoolBar;
  TWinControl* control_ = nullptr;
  AnsiString text_;
  int imageIndex_ = -1;
  bool break_ = true;
  int width_ = 100;
  int minHeight_ = 25;
  bool fixedSize_ = false;
};

class TCoolBands : public TOwnedCollection {
  CLASSLIB_CLASS(TCoolBands, TOwnedCollection)
 public:
  explicit TCoolBands(TCoolBar* bar);
  TCoolBand* Items(int index) const { return static_cast<TCoolBand*>(TCollection::Items(index)); }
  TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
  // The band that holds `control`, or null.
  TCoolBand* FindBand(const TControl* control) const;

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TCoolBar* bar_;
};

// Bands over the system rebar: each band's control (a child of the bar) is placed in its
// band by the system.
class TCoolBar : public TWinControl {
  CLASSLIB_CLASS(TCoolBar, TWinControl)
 public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;

  TCoolBands* Bands() const { return bands_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  bool FixedOrder() const { return fixedOrder_; }
  void SetFixedOrder(bool value);
  // A band's rectangle in the bar's client area, as the system reports it.
  TRect BandRect(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TCoolBands;
  // Makes the rebar's bands those of Bands.
  void UpdateBands();

  TCoolBands* bands_;
  TCustomImageList* images_ = nullptr;
  bool showText_ = true;
  bool vertical_ = false;
  bool fixedOrder_ = false;
  bool updating_ = false;
};

// The version of the system's common controls library as major * 65536 + minor (its
// DllGetVersion; at least 6.0 while a manifest sends the program to the version 6
// assembly, whatever that library reports).
DWORD GetComCtlVersion();
