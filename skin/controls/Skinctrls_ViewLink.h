#pragma once
// What the skinned tree view, list view and rich edit share: the skin connection, the
// font and colour of a text-view look ("treeview", "listview", "richedit") or the
// defaults, and the two attached skinned scroll bars that stand in for the native ones.
#include <memory>

#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinctrls_FrameMessages.h"
#include "skin/controls/Skinctrls_Reskin.h"

class TspSkinData;
class TspSkinScrollBar;

// These views have no frame to paint on CM_SENCPAINT.
constexpr LRESULT kNoFramePainted = kFramePaintAnswer;
// CM_SEPAINT asks the skinned list view to paint its column header into wParam's context.
constexpr UINT CM_SEPAINT = 45512;

class TspViewSkinLink : public IspSkinControl {
 public:
  TspSkinData* SkinData() const override { return skinData_; }
  void BeforeChangeSkinData() override {}
  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  TFont* DefaultFont() const { return defaultFont_.get(); }
  // Copies the font; shown at once while the defaults are in use.
  void SetDefaultFont(TFont* value);
  TColor DefaultColor() const { return defaultColor_; }
  // Shown at once while the defaults are in use.
  void SetDefaultColor(TColor value);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  // The look in use, or -1 (no skin, an empty skin or no look of that name).
  int LookIndex() const { return lookIndex_; }
  // Mirrors the native scroll state into the attached bars.
  virtual void UpDateScrollBars() = 0;

 protected:
  TspViewSkinLink(TWinControl& view, const char* skinDataName);
  ~TspViewSkinLink();

  // Stores the reference; true when the skin is loaded and the view may re-skin now.
  bool StoreSkinData(TspSkinData* value);
  // Stores a bar reference (free notification moved along).
  void StoreBar(TspSkinScrollBar*& slot, TspSkinScrollBar* value);
  // Stores a bar that the view shows and hides: enabled, hidden until the next update,
  // and moving the view through `onChange`; then the bars are updated.
  void AttachBar(TspSkinScrollBar*& slot, TspSkinScrollBar* bar, const TNotifyEvent& onChange);
  // DefaultFont and DefaultColor are what the view shows (no look in use).
  virtual bool ShowsDefaults() const { return lookIndex_ == -1; }
  // The frame messages of a view without a non-client area: true when `message` was one
  // of them and is answered.
  static bool AnswerFrameMessage(TMessage& message);
  // After the view handled `message`: the bars follow the view's visibility, and size,
  // paint, key and button-release messages update them.
  void FollowViewMessage(const TMessage& message);
  // Forgets the skin data or a bar that is being freed.
  void Forget(TComponent* removed);
  // Finds the look by SkinDataName: -1 without a loaded skin or without the name.
  void FindLook();
  // The look's font name, style, height and colour and its background when it is a
  // look of kind `Look` (with UseSkinFont; else DefaultFont whole), DefaultFont and
  // DefaultColor without a look; a look of another kind changes nothing.
  template <class Look>
  void ApplyLookOrDefaults();
  // DefaultColor and DefaultFont onto the view.
  void ApplyDefaults();
  // The font's character set: the skin's string table's, else DefaultFont's.
  void ApplyCharset();
  // Every attached bar takes its own Align again, so its parent re-aligns it.
  void RealignBars();
  // A view that is shown or hidden shows or hides its bars (until the next update).
  void ShowBarsWithView();
  // Shows or hides a bar; true when its visibility changed.
  static bool ShowBar(TspSkinScrollBar* bar, bool visible);
  // The horizontal bar shows its corner square exactly while the vertical bar is visible,
  // and an aligned view makes its parent re-align when a bar came or went.
  void FinishBarUpdate(bool changed);

  TWinControl& view_;
  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_;
  std::unique_ptr<TFont> defaultFont_;
  TColor defaultColor_ = clWindow;
  bool useSkinFont_ = true;
  TspSkinScrollBar* vScrollBar_ = nullptr;
  TspSkinScrollBar* hScrollBar_ = nullptr;
  int lookIndex_ = -1;
  // Set while the bars are shown or hidden or the parent re-aligns: the messages this
  // causes start no further update.
  bool updating_ = false;

 private:
  void ApplyLookFont(const AnsiString& name, const TFontStyles& style, int height, TColor colour, TColor background);
};

// A native scroll bar's range and position (SB_VERT or SB_HORZ).
struct TspNativeScrollRange {
  int Min = 0;
  int Max = 0;
  int Position = 0;
};
TspNativeScrollRange NativeScrollRange(HWND window, int bar);

// The font of a new view without a look: Arial, 14 pixels high, no style.
void SetDefaultViewFont(TFont* font);
