// The message box's form and the building of its contents: caption, label, icon, check
// box and the row of buttons, laid out from the label's measured size.
#include <algorithm>
#include <iterator>

#include "classlib/stdctrls/Image.h"
#include "classlib/windowing/Application.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_StdLabel.h"
#include "skin/data/Spconst.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Skinmessage.h"

namespace {

constexpr int kButtonWidth = 70;
constexpr int kButtonGap = 10;
constexpr int kBuiltInButtonHeight = 25;
constexpr int kLabelLeft = 50;
constexpr int kLabelTop = 15;
constexpr int kIconLeft = 5;
constexpr int kIconSize = 32;
constexpr int kCheckBoxHeight = 30;

// The buttons in the order they stand from left to right (the order of TMsgDlgBtn).
struct TMessageButton {
  TMsgDlgBtn Kind;
  const char* Name;
  const char* Key;
  TspResourceString BuiltIn;
  TModalResult Result;
};

const TMessageButton kButtons[] = {
    {mbYes, "Yes", "MSG_BTN_YES", SP_MSG_BTN_YES, mrYes},
    {mbNo, "No", "MSG_BTN_NO", SP_MSG_BTN_NO, mrNo},
    {mbOK, "OK", "MSG_BTN_OK", SP_MSG_BTN_OK, mrOk},
    {mbCancel, "Cancel", "MSG_BTN_CANCEL", SP_MSG_BTN_CANCEL, mrCancel},
    {mbAbort, "Abort", "MSG_BTN_ABORT", SP_MSG_BTN_ABORT, mrAbort},
    {mbRetry, "Retry", "MSG_BTN_RETRY", SP_MSG_BTN_RETRY, mrRetry},
    {mbIgnore, "Ignore", "MSG_BTN_IGNORE", SP_MSG_BTN_IGNORE, mrIgnore},
    {mbAll, "All", "MSG_BTN_ALL", SP_MSG_BTN_ALL, 8},
    {mbNoToAll, "NoToAll", "MSG_BTN_NOTOALL", SP_MSG_BTN_NOTOALL, 9},
    {mbYesToAll, "YesToAll", "MSG_BTN_YESTOALL", SP_MSG_BTN_YESTOALL, 10},
    {mbHelp, "Help", "MSG_BTN_HELP", SP_MSG_BTN_HELP, mrNone},
};

// Caption and standard icon of each type (by TMsgDlgType); the custom type has neither.
struct TMessageType {
  const char* Key;
  TspResourceString BuiltIn;
  LPCSTR Icon;
};

const TMessageType kTypes[] = {
    {"MSG_CAP_WARNING", SP_MSG_CAP_WARNING, IDI_EXCLAMATION},
    {"MSG_CAP_ERROR", SP_MSG_CAP_ERROR, IDI_HAND},
    {"MSG_CAP_INFORMATION", SP_MSG_CAP_INFORMATION, IDI_ASTERISK},
    {"MSG_CAP_CONFIRM", SP_MSG_CAP_CONFIRM, IDI_QUESTION},
    {nullptr, TspResourceString{0}, nullptr},  // custom: the application's title
};

const TMessageType& TypeEntry(TMsgDlgType type) {
  return kTypes[std::clamp(static_cast<int>(type), 0, static_cast<int>(std::size(kTypes)) - 1)];
}

int ButtonCount(const TMsgDlgButtons& buttons) {
  return static_cast<int>(
      std::count_if(std::begin(kButtons), std::end(kButtons), [&](const auto& b) { return buttons.Contains(b.Kind); }));
}

// Enter's button: OK, else Yes, else Retry. Escape's: Cancel, else No, else OK.
TMsgDlgBtn DefaultKind(const TMsgDlgButtons& buttons) {
  return buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : mbRetry;
}
TMsgDlgBtn CancelKind(const TMsgDlgButtons& buttons) {
  return buttons.Contains(mbCancel) ? mbCancel : buttons.Contains(mbNo) ? mbNo : mbOK;
}

// The form's width within its form component's limits.
void FitWidthLimits(TspMessageForm& form) {
  const TspFormSkinner* skinner = form.FormSkinner();
  const int maxWidth = skinner->GetMaxWidth();
  if (form.Width() > maxWidth) {
    form.SetWidth(maxWidth);
  } else {
    const int minWidth = skinner->GetMinWidth();
    if (form.Width() < minWidth) form.SetWidth(minWidth);
  }
}

}  // namespace

AnsiString MessageBoxText(TspSkinData* skin, const char* key, const AnsiString& builtIn) {
  TspResourceStrData* strings = skin != nullptr ? skin->ResourceStrData() : nullptr;
  return strings != nullptr ? strings->GetResStr(key) : builtIn;
}

TspMessageForm::TspMessageForm(TComponent* owner, int x, int y)
    : TForm(owner, CreateNew), formSkinner_(new TspFormSkinner(this)) {
  SetBorderStyle(bsDialog);
  SetKeyPreview(true);
  formSkinner_->BorderIcons = {};
  formSkinner_->Sizeable = false;
  if (x < -10000) {
    formSkinner_->PositionInMonitor = sppDesktopCenter;
  } else {
    SetLeft(x);
    SetTop(y);
  }
}

void TspMessageForm::HelpButtonClick(TObject* sender) {
  (void)sender;
  Application->HelpContext(HelpContext());
}

std::unique_ptr<TspMessageForm> TspSkinMessage::BuildDialog(const TspMessageRequest& request) {
  auto form = std::make_unique<TspMessageForm>(Application, request.X, request.Y);
  form->FormSkinner()->SetSkinData(skinData_);
  form->FormSkinner()->SetMenusSkinData(ctrlSkinData_);
  form->FormSkinner()->SetAlphaBlend(AlphaBlend);
  form->FormSkinner()->AlphaBlendAnimation = AlphaBlendAnimation;
  form->FormSkinner()->SetAlphaBlendValue(AlphaBlendValue);
  const int buttonHeight = ButtonHeight();
  const int buttons = ButtonCount(request.Buttons);
  const int rowWidth = buttons > 0 ? buttons * kButtonWidth + (buttons - 1) * kButtonGap : 0;
  if (request.OwnCaption) {
    form->SetCaption(request.Caption);
  } else {
    const TMessageType& type = TypeEntry(request.Type);
    form->SetCaption(type.Key != nullptr ? MessageBoxText(ctrlSkinData_, type.Key, type.BuiltIn) : Application->Title());
  }
  PlaceMessageLabel(*form, request.Text);
  PlaceIcon(*form, request);
  const TspSkinStdLabel* label = form->MessageLabel;
  form->SetClientSize(std::max(rowWidth, label->Left() + label->Width()) + 40,
                      buttonHeight + label->Height() + 50);
  if (ShowAgainFlag) PlaceCheckBox(*form, buttonHeight);
  FitWidthLimits(*form);
  PlaceButtons(*form, request.Buttons, buttonHeight, rowWidth);
  return form;
}

int TspSkinMessage::ButtonHeight() const {
  if (ctrlSkinData_ == nullptr || ctrlSkinData_->Empty) return kBuiltInButtonHeight;
  const int index = ctrlSkinData_->GetControlIndex(ButtonSkinDataName);
  if (index < 0) return kBuiltInButtonHeight;
  const auto* look = dynamic_cast<const TspDataSkinButtonControl*>(ctrlSkinData_->CtrlList[index].get());
  return look != nullptr ? look->SkinRect.Height() : kBuiltInButtonHeight;
}

void TspSkinMessage::PlaceMessageLabel(TspMessageForm& form, const AnsiString& text) {
  auto* label = new TspSkinStdLabel(&form);
  label->SetName("Message");
  label->SetParent(&form);
  label->SetFont(defaultFont_.get());
  label->SetDefaultFont(defaultFont_.get());
  label->SetUseSkinFont(UseSkinFont);
  label->SetSkinDataName(MessageLabelSkinDataName);
  label->SetSkinData(ctrlSkinData_);
  label->SetAutoSize(true);
  label->SetCaption(text);
  label->SetLeft(kLabelLeft);
  label->SetTop(kLabelTop);
  form.MessageLabel = label;
}

void TspSkinMessage::PlaceIcon(TspMessageForm& form, const TspMessageRequest& request) {
  const TspSkinStdLabel* label = form.MessageLabel;
  const int top = label->Top() + label->Height() / 2 - kIconSize / 2;
  if (request.CustomIcon) {
    TCustomImageList* images = request.Images;
    if (images == nullptr || request.ImageIndex < 0 || request.ImageIndex >= images->Count()) return;
    auto* image = new TImage(&form);
    image->SetName("Image");
    image->SetParent(&form);
    image->SetTransparent(true);
    image->SetBounds(kIconLeft, top, images->Width(), images->Height());
    images->GetIcon(request.ImageIndex, image->Picture()->Icon());
    return;
  }
  auto* image = new TImage(&form);
  image->SetName("Image");
  image->SetParent(&form);
  if (const LPCSTR icon = TypeEntry(request.Type).Icon; icon != nullptr) {
    image->Picture()->Icon()->SetHandle(CopyIcon(LoadIconA(nullptr, icon)));
  }
  image->SetBounds(kIconLeft, std::max(top, 10), kIconSize, kIconSize);
}

void TspSkinMessage::PlaceCheckBox(TspMessageForm& form, int buttonHeight) {
  form.SetClientSize(form.ClientWidth(), form.ClientHeight() + 40);
  auto* box = new TspSkinCheckRadioBox(&form);
  box->SetName("checkbox");
  box->SetDefaultHeight(kCheckBoxHeight);
  box->SetChecked(!ShowAgainFlagValue);
  box->SetParent(&form);
  box->SetDefaultFont(defaultFont_.get());
  box->SetUseSkinFont(UseSkinFont);
  box->SetSkinData(ctrlSkinData_);
  // The one text whose empty string-table entry falls back to the built-in text.
  const AnsiString caption = MessageBoxText(ctrlSkinData_, "MSG_CAP_SHOWFLAG", SP_MSG_CAP_SHOWFLAG);
  box->SetCaption(caption.IsEmpty() ? SP_MSG_CAP_SHOWFLAG.Text() : caption);
  form.CheckBox = box;
  const int top = form.ClientHeight() - buttonHeight - 50;
  const int textWidth = CheckCaptionWidth(form);
  form.SetClientSize(std::max(form.ClientWidth(), textWidth + 60), form.ClientHeight());
  box->SetBounds(kIconLeft, top, textWidth + 55, box->DefaultHeight());
}

int TspSkinMessage::CheckCaptionWidth(TspMessageForm& form) const {
  const TspSkinCheckRadioBox* box = form.CheckBox;
  TFont* font = form.Canvas()->Font();
  font->Assign(defaultFont_.get());
  const int index = box->LookIndex();
  if (UseSkinFont && index >= 0) {
    if (const auto* look = dynamic_cast<const TspDataSkinCheckRadioControl*>(ctrlSkinData_->CtrlList[index].get())) {
      font->SetName(look->FontName);
      font->SetHeight(look->FontHeight);
    }
  }
  return form.Canvas()->TextWidth(box->Caption());
}

void TspSkinMessage::PlaceButtons(TspMessageForm& form, const TMsgDlgButtons& buttons, int buttonHeight,
                                  int rowWidth) {
  const TMsgDlgBtn defaultKind = DefaultKind(buttons);
  const TMsgDlgBtn cancelKind = CancelKind(buttons);
  int x = (form.ClientWidth() - rowWidth) / 2;
  const int top = form.ClientHeight() - buttonHeight - 10;
  for (const TMessageButton& entry : kButtons) {
    if (!buttons.Contains(entry.Kind)) continue;
    auto* button = new TspSkinButton(&form);
    button->SetParent(&form);
    button->SetName(entry.Name);
    button->SetCanFocused(true);
    button->SetCaption(MessageBoxText(ctrlSkinData_, entry.Key, entry.BuiltIn));
    button->SetModalResult(entry.Result);
    if (entry.Kind == defaultKind) {
      button->SetDefault(true);
      form.SetActiveControl(button);  // the box opens with the focus on its default button
    }
    if (entry.Kind == cancelKind) button->SetCancel(true);
    button->SetDefaultHeight(buttonHeight);
    button->SetBounds(x, top, kButtonWidth, buttonHeight);
    button->SetDefaultFont(defaultButtonFont_.get());
    button->SetUseSkinFont(UseSkinFont);
    if (entry.Kind == mbHelp) button->OnClick = TNotifyEvent(&form, &TspMessageForm::HelpButtonClick);
    button->SetSkinDataName(ButtonSkinDataName);
    button->SetSkinData(ctrlSkinData_);
    x += kButtonWidth + kButtonGap;
  }
}
