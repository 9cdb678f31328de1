// The built dialog: caption, icon, label, check box and buttons laid out from the label's
// measured size, the default and cancel buttons, the texts of the string table, the
// button height of the skin's look and the component read from a form resource.
#include <string>

#include "MessageFixture.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/stdctrls/Image.h"
#include "classlib/windowing/Application.h"

using namespace skinmessage;

namespace {

const TMsgDlgButtons kOkCancel{mbOK, mbCancel};

TImage* ImageOf(TCustomForm* form) { return dynamic_cast<TImage*>(form->FindComponent("Image")); }

// The width of `text` in a font of that name and height.
int TextWidthIn(const AnsiString& text, const char* fontName, int fontHeight) {
  TBitmap bitmap;
  bitmap.SetSize(8, 8);
  bitmap.Canvas()->Font()->SetName(fontName);
  bitmap.Canvas()->Font()->SetHeight(fontHeight);
  return bitmap.Canvas()->TextWidth(text);
}

}  // namespace

TEST_F(MessageTest, TheOverwriteWarningWithoutSkins) {
  auto form = Build(OverwriteRequest(kOkCancel));
  EXPECT_EQ("Warning", form->Caption());

  const TspSkinStdLabel* label = form->MessageLabel;
  ASSERT_NE(nullptr, label);
  EXPECT_EQ("Do you want to overwrite old file?", label->Caption());
  EXPECT_EQ(50, label->Left());
  EXPECT_EQ(15, label->Top());
  EXPECT_GT(label->Width(), 150);  // the label, not the button row, sets the width
  EXPECT_EQ(label->Left() + label->Width() + 40, form->ClientWidth());
  EXPECT_EQ(label->Height() + 25 + 50, form->ClientHeight());

  TspSkinButton* ok = ButtonOf(form.get(), "OK");
  TspSkinButton* cancel = ButtonOf(form.get(), "Cancel");
  ASSERT_NE(nullptr, ok);
  ASSERT_NE(nullptr, cancel);
  EXPECT_EQ("OK", ok->Caption());
  EXPECT_EQ("Cancel", cancel->Caption());
  const int rowLeft = (form->ClientWidth() - (70 + 10 + 70)) / 2;
  EXPECT_EQ(TRect(rowLeft, label->Height() + 40, rowLeft + 70, label->Height() + 65), ok->BoundsRect());
  EXPECT_EQ(TRect(rowLeft + 80, label->Height() + 40, rowLeft + 150, label->Height() + 65), cancel->BoundsRect());
  EXPECT_TRUE(ok->Default());
  EXPECT_FALSE(ok->Cancel());
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_FALSE(cancel->Default());
  EXPECT_EQ(ok, form->ActiveControl());
  EXPECT_EQ(nullptr, form->CheckBox);

  TImage* image = ImageOf(form.get());
  ASSERT_NE(nullptr, image);
  EXPECT_EQ(TRect(5, std::max(15 + label->Height() / 2 - 16, 10), 37, std::max(15 + label->Height() / 2 - 16, 10) + 32),
            image->BoundsRect());
  ASSERT_FALSE(image->Picture()->Icon()->Empty());
  EXPECT_EQ(IconPixels(LoadIconA(nullptr, IDI_EXCLAMATION)), IconPixels(image->Picture()->Icon()->Handle()));
}

TEST_F(MessageTest, TranslucencyPassesToTheDialogsFormComponent) {
  message.AlphaBlend = true;
  message.AlphaBlendAnimation = true;
  message.AlphaBlendValue = 150;
  auto form = Build(OverwriteRequest(kOkCancel));
  EXPECT_TRUE(form->FormSkinner()->AlphaBlend());
  EXPECT_TRUE(form->FormSkinner()->AlphaBlendAnimation);
  EXPECT_EQ(150, form->FormSkinner()->AlphaBlendValue());
}

struct TypeCase {
  TMsgDlgType type;
  const char* caption;  // null: the application's title
  LPCSTR icon;          // null: none
};

class MessageTypeTest : public MessageTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(MessageTypeTest, TheTypeGivesCaptionAndStandardIcon) {
  TspMessageRequest request = OverwriteRequest({mbOK});
  request.Type = GetParam().type;
  auto form = Build(request);
  EXPECT_EQ(GetParam().caption != nullptr ? AnsiString(GetParam().caption) : Application->Title(), form->Caption());
  TImage* image = ImageOf(form.get());
  ASSERT_NE(nullptr, image);
  if (GetParam().icon == nullptr) {
    EXPECT_TRUE(image->Picture()->Graphic() == nullptr || image->Picture()->Graphic()->Empty());
  } else {
    ASSERT_FALSE(image->Picture()->Icon()->Empty());
    EXPECT_EQ(IconPixels(LoadIconA(nullptr, GetParam().icon)), IconPixels(image->Picture()->Icon()->Handle()));
  }
}

INSTANTIATE_TEST_SUITE_P(Types, MessageTypeTest,
                         ::testing::Values(TypeCase{mtWarning, "Warning", IDI_EXCLAMATION},
                                           TypeCase{mtError, "Error", IDI_HAND},
                                           TypeCase{mtInformation, "Information", IDI_ASTERISK},
                                           TypeCase{mtConfirmation, "Confirm", IDI_QUESTION},
                                           TypeCase{mtCustom, nullptr, nullptr}));

struct KindsCase {
  TMsgDlgButtons buttons;
  const char* defaultButton;  // "": none
  const char* cancelButton;
};

class MessageKindsTest : public MessageTest, public ::testing::WithParamInterface<KindsCase> {};

TEST_P(MessageKindsTest, EnterAndEscapeButtonsFollowThePresentKinds) {
  auto form = Build(OverwriteRequest(GetParam().buttons));
  std::string defaults, cancels;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* button = dynamic_cast<TspSkinButton*>(form->Components(i));
    if (button == nullptr) continue;
    if (button->Default()) defaults += button->Name().c_str();
    if (button->Cancel()) cancels += button->Name().c_str();
  }
  EXPECT_EQ(GetParam().defaultButton, defaults);
  EXPECT_EQ(GetParam().cancelButton, cancels);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageKindsTest,
                         ::testing::Values(KindsCase{{mbOK, mbCancel}, "OK", "Cancel"},
                                           KindsCase{{mbYes, mbNo}, "Yes", "No"},
                                           KindsCase{{mbYes, mbNo, mbCancel}, "Yes", "Cancel"},
                                           KindsCase{{mbAbort, mbRetry, mbIgnore}, "Retry", ""},
                                           KindsCase{{mbOK}, "OK", "OK"},
                                           KindsCase{{mbYes, mbNo, mbOK}, "OK", "No"},
                                           KindsCase{{mbAll, mbHelp}, "", ""}));

TEST_F(MessageTest, EveryButtonStandsInTableOrderWithItsResult) {
  struct Expected {
    const char* name;
    const char* caption;
    TModalResult result;
  };
  const Expected table[] = {{"Yes", "&Yes", 6},          {"No", "&No", 7},           {"OK", "OK", 1},
                            {"Cancel", "Cancel", 2},     {"Abort", "&Abort", 3},     {"Retry", "&Retry", 4},
                            {"Ignore", "&Ignore", 5},    {"All", "&All", 8},         {"NoToAll", "N&oToAll", 9},
                            {"YesToAll", "&YesToAll", 10}, {"Help", "&Help", 0}};
  // The set is given back to front: the row still follows the table.
  TMsgDlgButtons all;
  for (int kind = mbHelp; kind >= mbYes; --kind) all.Include(static_cast<TMsgDlgBtn>(kind));
  auto form = Build(OverwriteRequest(all));
  const int rowWidth = 11 * 70 + 10 * 10;
  EXPECT_EQ(rowWidth + 40, form->ClientWidth());
  int left = (form->ClientWidth() - rowWidth) / 2;
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.name);
    TspSkinButton* button = ButtonOf(form.get(), expected.name);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(left, button->Left());
    EXPECT_EQ(expected.caption, button->Caption());
    EXPECT_EQ(expected.result, button->ModalResult());
    left += 80;
  }
}

TEST_F(MessageTest, WithoutButtonsTheLabelSetsTheWidth) {
  auto form = Build(OverwriteRequest({}));
  EXPECT_EQ(form->MessageLabel->Left() + form->MessageLabel->Width() + 40, form->ClientWidth());
  EXPECT_EQ(nullptr, form->ActiveControl());
}

TEST_F(MessageTest, ALongTextWidensTheBoxUpToTheMaximumWidth) {
  TspMessageRequest request = OverwriteRequest(kOkCancel);
  request.Text = AnsiString(std::string(600, 'W').c_str());
  auto form = Build(request);
  EXPECT_EQ(form->FormSkinner()->GetMaxWidth(), form->Width());
  // The row is centred in what the limit leaves.
  EXPECT_EQ((form->ClientWidth() - 150) / 2, ButtonOf(form.get(), "OK")->Left());
}

class MessageCheckBoxTest : public MessageTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MessageCheckBoxTest, TheCheckBoxStandsAboveTheButtons) {
  message.ShowAgainFlag = true;
  message.ShowAgainFlagValue = GetParam();
  auto form = Build(OverwriteRequest(kOkCancel));
  const int labelHeight = form->MessageLabel->Height();
  EXPECT_EQ(labelHeight + 25 + 50 + 40, form->ClientHeight());
  TspSkinCheckRadioBox* box = form->CheckBox;
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("checkbox", box->Name());
  EXPECT_EQ("Do not display this message again", box->Caption());
  // Unticked when the flag value comes in true.
  EXPECT_EQ(!GetParam(), box->Checked());
  const int textWidth = TextWidthIn(box->Caption(), "Arial", 14);
  EXPECT_EQ(TRect(5, labelHeight + 40, 5 + textWidth + 55, labelHeight + 70), box->BoundsRect());
  EXPECT_EQ(labelHeight + 80, ButtonOf(form.get(), "OK")->Top());
}

INSTANTIATE_TEST_SUITE_P(FlagValue, MessageCheckBoxTest, ::testing::Bool());

TEST_F(MessageTest, TheCheckBoxCaptionWidensANarrowBox) {
  message.ShowAgainFlag = true;
  TspMessageRequest request = OverwriteRequest({mbOK});
  request.Text = "Done.";
  auto form = Build(request);
  const int textWidth = TextWidthIn(form->CheckBox->Caption(), "Arial", 14);
  EXPECT_EQ(textWidth + 60, form->ClientWidth());
}

TEST_F(MessageTest, TextsComeFromTheStringTable) {
  TspSkinData ctrlSkin(nullptr);
  TspResourceStrData strings(nullptr);
  TStringList lines;
  lines.SetText("MSG_BTN_OK=Fine\r\nMSG_BTN_YES=\r\nMSG_CAP_SHOWFLAG=\r\nMSG_CAP_WARNING=Attention\r\n");
  strings.SetResStrs(&lines);
  ctrlSkin.SetResourceStrData(&strings);
  message.SetCtrlSkinData(&ctrlSkin);
  message.ShowAgainFlag = true;
  auto form = Build(OverwriteRequest({mbYes, mbOK, mbCancel}));
  EXPECT_EQ("Attention", form->Caption());
  EXPECT_EQ("Fine", ButtonOf(form.get(), "OK")->Caption());
  // An empty text and a missing key both give an empty caption...
  EXPECT_EQ("", ButtonOf(form.get(), "Yes")->Caption());
  EXPECT_EQ("", ButtonOf(form.get(), "Cancel")->Caption());
  // ...except for the check box, which falls back to its built-in text.
  EXPECT_EQ("Do not display this message again", form->CheckBox->Caption());
  // Without a string table the built-in texts stand.
  ctrlSkin.SetResourceStrData(nullptr);
  form = Build(OverwriteRequest({mbOK}));
  EXPECT_EQ("Warning", form->Caption());
  EXPECT_EQ("OK", ButtonOf(form.get(), "OK")->Caption());
}

TEST_F(MessageTest, ACustomIconComesFromTheImageList) {
  std::unique_ptr<TCustomImageList> images = OneIconList(16, IDI_QUESTION);
  TspMessageRequest request;
  request.Text = "Convert the files?";
  request.OwnCaption = true;
  request.Caption = "Batch";
  request.CustomIcon = true;
  request.Images = images.get();
  request.ImageIndex = 0;
  request.Buttons = {mbYes, mbNo};
  auto form = Build(request);
  EXPECT_EQ("Batch", form->Caption());
  TImage* image = ImageOf(form.get());
  ASSERT_NE(nullptr, image);
  EXPECT_TRUE(image->Transparent());
  const int labelHeight = form->MessageLabel->Height();
  // Not raised to 10: a one-line label puts a 16-pixel icon above it.
  EXPECT_EQ(TRect(5, 15 + labelHeight / 2 - 16, 21, 15 + labelHeight / 2), image->BoundsRect());
  EXPECT_FALSE(image->Picture()->Icon()->Empty());

  // A list without that picture, or none, gives no icon.
  for (TCustomImageList* list : {images.get(), static_cast<TCustomImageList*>(nullptr)}) {
    request.Images = list;
    request.ImageIndex = 1;
    EXPECT_EQ(nullptr, ImageOf(Build(request).get()));
  }
}

TEST_F(MessageTest, APositionPlacesTheBoxElseTheDesktopCentres) {
  TspMessageRequest request = OverwriteRequest(kOkCancel);
  request.X = 40;
  request.Y = 70;
  auto placed = Build(request);
  EXPECT_EQ(40, placed->Left());
  EXPECT_EQ(70, placed->Top());
  EXPECT_EQ(sppDefault, placed->FormSkinner()->PositionInMonitor);
  auto centred = Build(OverwriteRequest(kOkCancel));
  EXPECT_EQ(sppDesktopCenter, centred->FormSkinner()->PositionInMonitor);
  // No caption buttons, not sizeable.
  EXPECT_TRUE(centred->FormSkinner()->BorderIcons.Empty());
  EXPECT_FALSE(centred->FormSkinner()->Sizeable);
  EXPECT_EQ(bsDialog, centred->BorderStyle());
  EXPECT_TRUE(centred->KeyPreview());
}

struct HeightCase {
  const char* look;
  int height;
};

class MessageButtonHeightTest : public MessageTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(MessageButtonHeightTest, TheButtonLookSetsTheButtonHeight) {
  std::unique_ptr<TspSkinData> skin = LoadShippedSkin();
  message.SetCtrlSkinData(skin.get());
  message.ButtonSkinDataName = GetParam().look;
  auto form = Build(OverwriteRequest(kOkCancel));
  const int height = GetParam().height;
  const int labelHeight = form->MessageLabel->Height();
  EXPECT_EQ(labelHeight + height + 50, form->ClientHeight());
  for (const char* name : {"OK", "Cancel"}) {
    TspSkinButton* button = ButtonOf(form.get(), name);
    EXPECT_EQ(form->ClientHeight() - height - 10, button->Top()) << name;
    EXPECT_EQ(height, button->Height()) << name;
    EXPECT_EQ(GetParam().look, button->SkinDataName()) << name;
  }
}

// The shipped skin's "button" is 25 high, "resizebutton" 22 and "editbutton" 19; "edit"
// is no button look and "missing" no look at all: both give the built-in 25.
INSTANTIATE_TEST_SUITE_P(Looks, MessageButtonHeightTest,
                         ::testing::Values(HeightCase{"button", 25}, HeightCase{"resizebutton", 22},
                                           HeightCase{"editbutton", 19}, HeightCase{"edit", 25},
                                           HeightCase{"missing", 25}));

class MessageSkinFontTest : public MessageTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MessageSkinFontTest, TheCheckBoxWidthIsMeasuredInTheFontItDraws) {
  std::unique_ptr<TspSkinData> skin = LoadShippedSkin();
  const int index = skin->GetControlIndex("checkbox");
  ASSERT_GE(index, 0);
  auto* look = dynamic_cast<TspDataSkinCheckRadioControl*>(skin->CtrlList[index].get());
  ASSERT_NE(nullptr, look);
  look->FontName = "Courier New";
  look->FontHeight = 24;
  message.SetCtrlSkinData(skin.get());
  message.UseSkinFont = GetParam();
  message.ShowAgainFlag = true;
  auto form = Build(OverwriteRequest(kOkCancel));
  const AnsiString caption = form->CheckBox->Caption();
  const int textWidth = GetParam() ? TextWidthIn(caption, "Courier New", 24) : TextWidthIn(caption, "Arial", 14);
  EXPECT_EQ(textWidth + 55, form->CheckBox->Width());
}

INSTANTIATE_TEST_SUITE_P(UseSkinFont, MessageSkinFontTest, ::testing::Bool());

TEST_F(MessageTest, ASkinDataBeingFreedIsForgotten) {
  auto skin = std::make_unique<TspSkinData>(nullptr);
  auto ctrl = std::make_unique<TspSkinData>(nullptr);
  message.SetSkinData(skin.get());
  message.SetCtrlSkinData(ctrl.get());
  skin.reset();
  ctrl.reset();
  EXPECT_EQ(nullptr, message.SkinData());
  EXPECT_EQ(nullptr, message.CtrlSkinData());
  // The box falls back to the built-in look and texts.
  auto form = Build(OverwriteRequest(kOkCancel));
  EXPECT_EQ(25, ButtonOf(form.get(), "OK")->Height());
  EXPECT_EQ("Warning", form->Caption());
}

TEST(MessageResourceTest, AFormResourceSetsTheComponent) {
  InitializeControlClasses();
  InitializeSkinData();
  InitializeFormSkinner();
  const char* text =
      "object Holder: TComponent\n"
      "  object Frame: TspSkinData\n  end\n"
      "  object Controls: TspSkinData\n  end\n"
      "  object Box: TspSkinMessage\n"
      "    SkinData = Frame\n    CtrlSkinData = Controls\n"
      "    ButtonSkinDataName = 'resizebutton'\n    MessageLabelSkinDataName = 'label'\n"
      "    DefaultFont.Height = 20\n    DefaultButtonFont.Name = 'Courier New'\n"
      "    UseSkinFont = False\n    ShowAgainFlag = True\n    ShowAgainFlagValue = True\n"
      "  end\n"
      "end\n";
  TComponent holder(nullptr);
  ReadFormText(&holder, TComponent::StaticClass(), text, "Message.form");
  auto* box = dynamic_cast<TspSkinMessage*>(holder.FindComponent("Box"));
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(holder.FindComponent("Frame"), box->SkinData());
  EXPECT_EQ(holder.FindComponent("Controls"), box->CtrlSkinData());
  EXPECT_EQ("resizebutton", box->ButtonSkinDataName);
  EXPECT_EQ("label", box->MessageLabelSkinDataName);
  EXPECT_EQ(20, box->DefaultFont()->Height());
  EXPECT_EQ("Arial", box->DefaultFont()->Name());
  EXPECT_EQ("Courier New", box->DefaultButtonFont()->Name());
  EXPECT_EQ(14, box->DefaultButtonFont()->Height());
  EXPECT_FALSE(box->UseSkinFont);
  EXPECT_TRUE(box->ShowAgainFlag);
  EXPECT_TRUE(box->ShowAgainFlagValue);
}
