// The message-box component: its skins and fonts, its eight operations (each one request
// shown by ShowMessageBox) and its form-resource properties.
#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/form/Skinmessage.h"

namespace {

std::unique_ptr<TFont> MakeDefaultFont() {
  auto font = std::make_unique<TFont>();
  font->SetName("Arial");
  font->SetHeight(14);
  font->SetStyle({});
  return font;
}

TspMessageRequest TypeRequest(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                              int helpContext) {
  TspMessageRequest request;
  request.Text = text;
  request.Type = type;
  request.Buttons = buttons;
  request.HelpContext = helpContext;
  return request;
}

TspMessageRequest CustomRequest(const AnsiString& text, const AnsiString& caption, TCustomImageList* images,
                                int imageIndex, const TMsgDlgButtons& buttons, int helpContext) {
  TspMessageRequest request = TypeRequest(text, mtCustom, buttons, helpContext);
  request.OwnCaption = true;
  request.Caption = caption;
  request.CustomIcon = true;
  request.Images = images;
  request.ImageIndex = imageIndex;
  return request;
}

TspMessageRequest WithCaption(TspMessageRequest request, const AnsiString& caption) {
  request.OwnCaption = true;
  request.Caption = caption;
  return request;
}

TspMessageRequest WithHelpFile(TspMessageRequest request, const AnsiString& helpFile) {
  request.OwnHelpFile = true;
  request.HelpFile = helpFile;
  return request;
}

TspMessageRequest WithPosition(TspMessageRequest request, int x, int y) {
  request.X = x;
  request.Y = y;
  return request;
}

}  // namespace

TspSkinMessage::TspSkinMessage(TComponent* owner)
    : TComponent(owner), defaultFont_(MakeDefaultFont()), defaultButtonFont_(MakeDefaultFont()) {}

TspSkinMessage::~TspSkinMessage() = default;

void TspSkinMessage::SetSkinData(TspSkinData* value) { StoreReference(*this, skinData_, value); }

void TspSkinMessage::SetCtrlSkinData(TspSkinData* value) { StoreReference(*this, ctrlSkinData_, value); }

void TspSkinMessage::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

int TspSkinMessage::ShowMessageBox(const TspMessageRequest& request) {
  std::unique_ptr<TspMessageForm> form = BuildDialog(request);
  form->SetHelpContext(request.HelpContext);
  if (request.OwnHelpFile) form->SetHelpFile(request.HelpFile);
  // The check box's state is read back however the box ends.
  struct TReadBack {
    TspSkinMessage& owner;
    const TspMessageForm& form;
    ~TReadBack() {
      if (form.CheckBox != nullptr) owner.ShowAgainFlagValue = !form.CheckBox->Checked();
    }
  } readBack{*this, *form};
  return form->ShowModal();
}

int TspSkinMessage::MessageDlg(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                               int helpContext) {
  return ShowMessageBox(TypeRequest(text, type, buttons, helpContext));
}

int TspSkinMessage::MessageDlgPos(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                                  int helpContext, int x, int y) {
  return ShowMessageBox(WithPosition(TypeRequest(text, type, buttons, helpContext), x, y));
}

int TspSkinMessage::MessageDlgHelp(const AnsiString& text, TMsgDlgType type, const TMsgDlgButtons& buttons,
                                   int helpContext, const AnsiString& helpFile) {
  return ShowMessageBox(WithHelpFile(TypeRequest(text, type, buttons, helpContext), helpFile));
}

int TspSkinMessage::MessageDlg2(const AnsiString& text, const AnsiString& caption, TMsgDlgType type,
                                const TMsgDlgButtons& buttons, int helpContext) {
  return ShowMessageBox(WithCaption(TypeRequest(text, type, buttons, helpContext), caption));
}

int TspSkinMessage::MessageDlgHelp2(const AnsiString& text, const AnsiString& caption, TMsgDlgType type,
                                    const TMsgDlgButtons& buttons, int helpContext, const AnsiString& helpFile) {
  return ShowMessageBox(WithHelpFile(WithCaption(TypeRequest(text, type, buttons, helpContext), caption), helpFile));
}

int TspSkinMessage::CustomMessageDlg(const AnsiString& text, const AnsiString& caption, TCustomImageList* images,
                                     int imageIndex, const TMsgDlgButtons& buttons, int helpContext) {
  return ShowMessageBox(CustomRequest(text, caption, images, imageIndex, buttons, helpContext));
}

int TspSkinMessage::CustomMessageDlgPos(const AnsiString& text, const AnsiString& caption, TCustomImageList* images,
                                        int imageIndex, const TMsgDlgButtons& buttons, int helpContext, int x,
                                        int y) {
  return ShowMessageBox(WithPosition(CustomRequest(text, caption, images, imageIndex, buttons, helpContext), x, y));
}

int TspSkinMessage::CustomMessageDlgHelp(const AnsiString& text, const AnsiString& caption,
                                         TCustomImageList* images, int imageIndex, const TMsgDlgButtons& buttons,
                                         int helpContext, const AnsiString& helpFile) {
  return ShowMessageBox(
      WithHelpFile(CustomRequest(text, caption, images, imageIndex, buttons, helpContext), helpFile));
}

void RegisterSkinMessage() {
  using M = TspSkinMessage;
  RegisterClassProperties(
      M::StaticClass(),
      {ReferenceProperty<M, TspSkinData>("SkinData", &M::SetSkinData),
       ReferenceProperty<M, TspSkinData>("CtrlSkinData", &M::SetCtrlSkinData),
       StringProperty<M>("ButtonSkinDataName", [](M* m, const AnsiString& v) { m->ButtonSkinDataName = v; }, "button"),
       StringProperty<M>("MessageLabelSkinDataName",
                         [](M* m, const AnsiString& v) { m->MessageLabelSkinDataName = v; }, "stdlabel"),
       ObjectProperty<M>("DefaultFont", &M::DefaultFont),
       ObjectProperty<M>("DefaultButtonFont", &M::DefaultButtonFont),
       BoolProperty<M>("UseSkinFont", [](M* m, bool v) { m->UseSkinFont = v; }, true),
       BoolProperty<M>("AlphaBlend", [](M* m, bool v) { m->AlphaBlend = v; }, false),
       BoolProperty<M>("AlphaBlendAnimation", [](M* m, bool v) { m->AlphaBlendAnimation = v; }, false),
       IntegerProperty<M>("AlphaBlendValue", [](M* m, int v) { m->AlphaBlendValue = static_cast<BYTE>(v); }, 200),
       BoolProperty<M>("ShowAgainFlag", [](M* m, bool v) { m->ShowAgainFlag = v; }, false),
       BoolProperty<M>("ShowAgainFlagValue", [](M* m, bool v) { m->ShowAgainFlagValue = v; }, false)});
}
