#pragma once
// The skinned message box: TspSkinMessage shows modal boxes whose form (TspMessageForm,
// built in code) is skinned by a form component of its own and holds an icon, the message
// in a skinned label, an optional "do not display this message again" check box and a
// centred row of skinned buttons. Each call answers the modal result of the button that
// closed the box.
//
// Units: Skinmessage_Component.cpp (the component, its operations and form resources),
// Skinmessage_Form.cpp (the form and the building of its contents).
#include <memory>

#include "classlib/graphics/ImageList.h"
#include "classlib/stdctrls/MsgDlg.h"
#include "classlib/windowing/Forms.h"
#include "skin/data/Skindata.h"

class TspFormSkinner;
class TspSkinCheckRadioBox;
class TspSkinStdLabel;

// X (and Y) of a box centred on the desktop when it is first shown.
constexpr int kspDesktopCentre = -10001;

// The dialog form of a box. X below -10000 centres it on the desktop when first shown,
// otherwise its top-left is (X, Y).
class TspMessageForm : public TForm {
  CLASSLIB_CLASS(TspMessageForm, TForm)
 public:
  TspMessageForm(TComponent* owner, int x, int y);

  // The form's skinning component (owned by the form), without caption buttons, not
  // sizeable.
  TspFormSkinner* FormSkinner() const { return formSkinner_; }
  // The check box (null while not shown) and the message label.
  TspSkinCheckRadioBox* CheckBox = nullptr;
  TspSkinStdLabel* MessageLabel = nullptr;

  // The Help button: the application's help for the form's HelpContext; the box stays open.
  void HelpButtonClick(TObject* sender);

 private:
  TspFormSkinner* formSkinner_;
};

// One box to show: the message, the caption (the type's when not given), the icon (the
// type's standard one, or an image list's picture), the buttons, the position and the help.
struct TspMessageRequest {
  AnsiString Text;
  bool OwnCaption = false;
  AnsiString Caption;
  TMsgDlgType Type = mtCustom;
  // Custom icons: the list (may be null) and the picture's index in it.
  bool CustomIcon = false;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  TMsgDlgButtons Buttons;
  int HelpContext = 0;
  bool OwnHelpFile = false;
  AnsiString HelpFile;
  int X = kspDesktopCentre;
  int Y = kspDesktopCentre;
};

class TspSkinMessage : public TComponent {
  CLASSLIB_CLASS(TspSkinMessage, TComponent)
 public:
  explicit TspSkinMessage(TComponent* owner);
  ~TspSkinMessage() override;

  // The dialog frame's skin (the form component's SkinData).
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  // The skin of the label, check box and buttons, the source of the texts (its string
  // table) and the form component's MenusSkinData.
  TspSkinData* CtrlSkinData() const { return ctrlSkinData_; }
  void SetCtrlSkinData(TspSkinData* value);
  // The buttons' look; its height is the buttons' height (25 without it).
  AnsiString ButtonSkinDataName = "button";
  AnsiString MessageLabelSkinDataName = "stdlabel";
  // Fonts of the label and check box, and of the buttons, where no skin font is used
  // (owned; set by copy).
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  TFont* DefaultButtonFont() const { return defaultButtonFont_.get(); }
  void SetDefaultButtonFont(TFont* value) { defaultButtonFont_->Assign(value); }
  bool UseSkinFont = true;
  // Passed to the dialog's form component: a translucent window, faded in.
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  BYTE AlphaBlendValue = 200;
  // Shows the check box. ShowAgainFlagValue in: the box starts unchecked when true and
  // checked when false; out: after every box with the check box, not its Checked.
  bool ShowAgainFlag = false;
  bool ShowAgainFlagValue = false;

  int MessageDlg(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons, int helpContext);
  int MessageDlgPos(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons, int helpContext, int x,
                    int y);
  int MessageDlgHelp(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons, int helpContext,
                     const AnsiString& helpFile);
  int MessageDlg2(const AnsiString& text, const AnsiString& caption, TMsgDlgType type, const TMsgDlgButtons& buttons,
                  int helpContext);
  int MessageDlgHelp2(const AnsiString& text, const AnsiString& caption, TMsgDlgType type,
                      const TMsgDlgButtons& buttons, int helpContext, const AnsiString& helpFile);
  int CustomMessageDlg(const AnsiString& text, const AnsiString& caption, TCustomImageList* images, int imageIndex,
                       const TMsgDlgButtons& buttons, int helpContext);
  int CustomMessageDlgPos(const AnsiString& text, const AnsiString& caption, TCustomImageList* images,
                          int imageIndex, const TMsgDlgButtons& buttons, int helpContext, int x, int y);
  int CustomMessageDlgHelp(const AnsiString& text, const AnsiString& caption, TCustomImageList* images,
                           int imageIndex, const TMsgDlgButtons& buttons, int helpContext, const AnsiString& helpFile);

  // Shows the box the request describes and answers its modal result.
  int ShowMessageBox(const TspMessageRequest& request);
  // Builds the dialog of a request, not shown (ShowMessageBox shows and frees it).
  std::unique_ptr<TspMessageForm> BuildDialog(const TspMessageRequest& request);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int ButtonHeight() const;
  void PlaceMessageLabel(TspMessageForm& form, const AnsiString& text);
  void PlaceIcon(TspMessageForm& form, const TspMessageRequest& request);
  void PlaceCheckBox(TspMessageForm& form, int buttonHeight);
  int CheckCaptionWidth(TspMessageForm& form) const;
  void PlaceButtons(TspMessageForm& form, const TMsgDlgButtons& buttons, int buttonHeight, int rowWidth);

  TspSkinData* skinData_ = nullptr;
  TspSkinData* ctrlSkinData_ = nullptr;
  std::unique_ptr<TFont> defaultFont_;
  std::unique_ptr<TFont> defaultButtonFont_;
};

// A text of the boxes by its string-table key: from the string table of `skin` when it
// has one, else the built-in text.
AnsiString MessageBoxText(TspSkinData* skin, const char* key, const AnsiString& builtIn);

// Registers TspSkinMessage for form resources (InitializeFormSkinner calls it).
void RegisterSkinMessage();
