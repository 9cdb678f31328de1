#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/runtime/Exceptions.h"
#include "skin/data/Skindata.h"

namespace {

// INI text in memory from lines.
class Description {
 public:
  explicit Description(std::initializer_list<const char*> lines) : ini_("") {
    TStringList text;
    for (const char* line : lines) text.Add(line);
    ini_.SetStrings(&text);
  }
  TMemIniFile* operator->() { return &ini_; }
  TMemIniFile* get() { return &ini_; }

 private:
  TMemIniFile ini_;
};

template <class T>
std::unique_ptr<T> Loaded(TCustomIniFile* ini, const char* name = "look") {
  auto look = std::make_unique<T>(name);
  look->LoadFromFile(ini);
  return look;
}

std::string Show(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

// One key of one kind and the field it must fill.
struct FieldCase {
  const char* word;
  bool object;
  const char* key;
  const char* value;
  std::function<std::string(TObject*)> field;
  const char* expected;
};

template <class T, class F>
std::function<std::string(TObject*)> Field(F get) {
  return [get](TObject* look) { return get(static_cast<T*>(look)); };
}

const FieldCase kFieldCases[] = {
    {"button", false, "downfontcolor", "5", Field<TspDataSkinButtonControl>([](auto* l) { return std::to_string(l->DownFontColor); }), "5"},
    {"button", false, "disabledfontcolor", "6", Field<TspDataSkinButtonControl>([](auto* l) { return std::to_string(l->DisabledFontColor); }), "6"},
    {"button", false, "focusedskinrect", "1,2,3,4", Field<TspDataSkinButtonControl>([](auto* l) { return Show(l->FocusedSkinRect); }), "1,2,3,4"},
    {"button", false, "pictureindex", "3", Field<TspDataSkinButtonControl>([](auto* l) { return std::to_string(l->PictureIndex); }), "3"},
    {"button", false, "maskpictureindex", "4", Field<TspDataSkinButtonControl>([](auto* l) { return std::to_string(l->MaskPictureIndex); }), "4"},
    {"button", false, "clientrect", "5,6,7,8", Field<TspDataSkinButtonControl>([](auto* l) { return Show(l->ClientRect); }), "5,6,7,8"},
    {"button", false, "rightstretch", "1", Field<TspDataSkinButtonControl>([](auto* l) { return std::to_string(l->RightStretch); }), "1"},
    {"menubutton", false, "trackbuttonrect", "9,8,17,16", Field<TspDataSkinMenuButtonControl>([](auto* l) { return Show(l->TrackButtonRect); }), "9,8,17,16"},
    {"checkradio", false, "activeuncheckimagerect", "1,1,9,9", Field<TspDataSkinCheckRadioControl>([](auto* l) { return Show(l->ActiveUnCheckImageRect); }), "1,1,9,9"},
    {"checkradio", false, "framefontcolor", "77", Field<TspDataSkinCheckRadioControl>([](auto* l) { return std::to_string(l->FrameFontColor); }), "77"},
    {"panel", false, "alignment", "taleftjustify", Field<TspDataSkinPanelControl>([](auto* l) { return std::to_string(l->Alignment); }), "0"},
    {"expanel", false, "vrestorebuttondownrect", "2,2,4,4", Field<TspDataSkinExPanelControl>([](auto* l) { return Show(l->VRestoreButtonDownRect); }), "2,2,4,4"},
    {"bevel", false, "darkcolor", "255", Field<TspDataSkinBevel>([](auto* l) { return std::to_string(l->DarkColor); }), "255"},
    {"stdlabel", false, "activefontcolor", "65280", Field<TspDataSkinStdLabelControl>([](auto* l) { return std::to_string(l->ActiveFontColor); }), "65280"},
    {"scrollbar", false, "thumbminpagesize", "12", Field<TspDataSkinScrollBarControl>([](auto* l) { return std::to_string(l->ThumbMinPageSize); }), "12"},
    {"gauge", false, "progressanimationtimerinterval", "40", Field<TspDataSkinGaugeControl>([](auto* l) { return std::to_string(l->ProgressAnimationTimerInterval); }), "40"},
    {"slider", false, "vthumbrect", "0,1,2,3", Field<TspDataSkinSlider>([](auto* l) { return Show(l->VThumbRect); }), "0,1,2,3"},
    {"edit", false, "unenabledbuttonrect", "3,3,6,6", Field<TspDataSkinEditControl>([](auto* l) { return Show(l->UnEnabledButtonRect); }), "3,3,6,6"},
    {"memo", false, "activebgcolor", "99", Field<TspDataSkinMemoControl>([](auto* l) { return std::to_string(l->ActiveBGColor); }), "99"},
    {"listbox", false, "hscrollbarname", "myh", Field<TspDataSkinListBox>([](auto* l) { return l->HScrollBarName.str(); }), "myh"},
    {"checklistbox", false, "itemcheckrect", "4,4,8,8", Field<TspDataSkinCheckListBox>([](auto* l) { return Show(l->ItemCheckRect); }), "4,4,8,8"},
    {"combobox", false, "listboxname", "drop", Field<TspDataSkinComboBox>([](auto* l) { return l->ListBoxName.str(); }), "drop"},
    {"treeview", false, "bgcolor", "1234", Field<TspDataSkinTreeView>([](auto* l) { return std::to_string(l->BGColor); }), "1234"},
    {"tab", false, "rightstretch", "1", Field<TspDataSkinTabControl>([](auto* l) { return std::to_string(l->RightStretch); }), "1"},
    {"tab", false, "updown", "spin", Field<TspDataSkinTabControl>([](auto* l) { return l->UpDown.str(); }), "spin"},
    {"grid", false, "fixedfontheight", "20", Field<TspDataSkinGridControl>([](auto* l) { return std::to_string(l->FixedFontHeight); }), "20"},
    {"controlbar", false, "gripoffset2", "7", Field<TspDataSkinControlBar>([](auto* l) { return std::to_string(l->GripOffset2); }), "7"},
    {"mainmenubar", false, "minbutton", "mini", Field<TspDataSkinMainMenuBar>([](auto* l) { return l->MinButton.str(); }), "mini"},
    {"mainmenubar", false, "maxbutton", "maxi", Field<TspDataSkinMainMenuBar>([](auto* l) { return l->MaxButton.str(); }), "maxi"},
    {"frameregulator", false, "kind", "rkhorizontal", Field<TspDataSkinFrameRegulator>([](auto* l) { return std::to_string(l->Kind); }), "1"},
    {"caption", true, "activeshadowcolor", "31", Field<TspDataSkinCaption>([](auto* l) { return std::to_string(l->ActiveShadowColor); }), "31"},
    {"caption", true, "lightcolor", "32", Field<TspDataSkinCaption>([](auto* l) { return std::to_string(l->LightColor); }), "32"},
    {"label", true, "fontName", "Tahoma", Field<TspDataSkinLabel>([](auto* l) { return l->FontName.str(); }), "Tahoma"},
    {"button", true, "disableskinrsect", "1,2,3,4", Field<TspDataSkinButton>([](auto* l) { return Show(l->DisableSkinRsect); }), "1,2,3,4"},
    {"stdbutton", true, "restoreinactiverect", "5,6,7,8", Field<TspDataSkinStdButton>([](auto* l) { return Show(l->RestoreInActiveRect); }), "5,6,7,8"},
    {"trackbar", true, "endpoint", "30,4", Field<TspDataSkinTrackBar>([](auto* l) { return std::to_string(l->EndPoint.X) + "," + std::to_string(l->EndPoint.Y); }), "30,4"},
    {"mainmenuitem", true, "unenabledfontcolor", "21", Field<TspDataSkinMainMenuItem>([](auto* l) { return std::to_string(l->UnEnabledFontColor); }), "21"},
    {"menuitem", true, "activeimagecolor", "22", Field<TspDataSkinMenuItem>([](auto* l) { return std::to_string(l->ActiveImageColor); }), "22"},
    {"framegauge", true, "countframes", "6", Field<TspDataSkinFrameGaugeObject>([](auto* l) { return std::to_string(l->CountFrames); }), "6"},
    {"switch", true, "inactiveskinrect", "1,1,2,2", Field<TspDataSkinSwitch>([](auto* l) { return Show(l->InActiveSkinRect); }), "1,1,2,2"},
    {"gauge", true, "kind", "gkvertical", Field<TspDataSkinGauge>([](auto* l) { return std::to_string(l->Kind); }), "1"},
};

TEST(LookRules, EachKeyFillsItsOwnField) {
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.key);
    Description ini({"[look]", (std::string(c.key) + "=" + c.value).c_str()});
    std::unique_ptr<TObject> look;
    if (c.object) {
      TspDataSkinObject* o = CreateObjectLook(c.word, "look");
      look.reset(o);
      o->LoadFromFile(ini.get());
    } else {
      TspDataSkinControl* o = CreateControlLook(c.word, "look");
      look.reset(o);
      o->LoadFromFile(ini.get());
    }
    EXPECT_EQ(c.expected, c.field(look.get()));
  }
}

TEST(LookRules, ConstructionValuesDifferFromMissingKeys) {
  Description empty({});
  TspDataSkinButtonControl button("b");
  EXPECT_EQ(AnsiString("Arial"), button.FontName);
  EXPECT_EQ(12, button.FontHeight);
  EXPECT_EQ(0, button.AnimateInterval);
  auto readButton = Loaded<TspDataSkinButtonControl>(empty.get());
  EXPECT_EQ(14, readButton->FontHeight);
  EXPECT_EQ(25, readButton->AnimateInterval);
  EXPECT_EQ(-1, readButton->PictureIndex);

  TspDataSkinScrollBarControl bar("s");
  EXPECT_EQ(clFuchsia, bar.ThumbTransparentColor);
  TMemIniFile saved("");
  bar.SaveToFile(&saved);
  EXPECT_EQ(AnsiString("16711935"), saved.ReadString("s", "thumbtransparentcolor", ""));
  EXPECT_EQ(AnsiString("16711935"), saved.ReadString("s", "glyphtransparentcolor", ""));
  EXPECT_EQ(0, Loaded<TspDataSkinScrollBarControl>(empty.get())->ThumbTransparentColor);

  TspDataSkinControlBar controlBar("c");
  EXPECT_EQ(0, controlBar.ItemOffset1);
  EXPECT_EQ(3, Loaded<TspDataSkinControlBar>(empty.get())->ItemOffset2);
  TspDataSkinTreeView tree("t");
  EXPECT_EQ(clWhite, tree.BGColor);
  EXPECT_EQ(0, Loaded<TspDataSkinTreeView>(empty.get())->BGColor);
  TspDataSkinListBox list("l");
  EXPECT_EQ(AnsiString(), list.VScrollBarName);
  EXPECT_EQ(AnsiString("vscrollbar"), Loaded<TspDataSkinListBox>(empty.get())->VScrollBarName);
  TspDataSkinPanelControl panel("p");
  EXPECT_EQ(clFuchsia, panel.GripperTransparentColor);
  EXPECT_EQ(0, Loaded<TspDataSkinPanelControl>(empty.get())->GripperTransparentColor);
  TspDataSkinHintWindow hint;
  EXPECT_EQ(12, hint.FontHeight);
  TspDataSkinFrameRegulator regulator("r");
  EXPECT_EQ(1, regulator.FramesCount);
  EXPECT_EQ(rkRound, regulator.Kind);

  TspDataSkinButton objectButton("o");
  EXPECT_EQ(-1, objectButton.GroupIndex);
  TspDataSkinBitLabel bitLabel("bl");
  EXPECT_EQ(clFuchsia, bitLabel.TransparentColor);
  auto animate = Loaded<TspDataSkinAnimate>(empty.get());
  EXPECT_EQ(1, animate->CountFrames);
  EXPECT_EQ(50, animate->TimerInterval);
  EXPECT_EQ(cmDefault, animate->Command);
}

TEST(LookRules, UpDownGeometryIsEmptyAfterReadingAndBeforeWriting) {
  Description ini({"[ud]", "lefttoppoint=3,4", "rightbottompoint=5,6", "clientrect=1,1,8,8", "upbuttonrect=0,0,9,9"});
  auto upDown = Loaded<TspDataSkinUpDownControl>(ini.get(), "ud");
  EXPECT_EQ(TPoint{}, upDown->LeftTopPoint);
  EXPECT_EQ(TPoint{}, upDown->RightBottomPoint);
  EXPECT_EQ(TRect{}, upDown->ClientRect);
  EXPECT_EQ(Rect(0, 0, 9, 9), upDown->UpButtonRect);
  upDown->LeftBottomPoint = Point(7, 7);
  upDown->ClientRect = Rect(2, 2, 4, 4);
  TMemIniFile saved("");
  upDown->SaveToFile(&saved);
  EXPECT_EQ(AnsiString("0,0"), saved.ReadString("ud", "leftbottompoint", ""));
  EXPECT_EQ(AnsiString("0,0,0,0"), saved.ReadString("ud", "clientrect", ""));
  EXPECT_EQ(TPoint{}, upDown->LeftBottomPoint);
}

TEST(LookRules, UserObjectReadsOnlyItsThreeKeys) {
  Description ini({"[user]", "hint=Hello", "activepictureindex=3", "morphing=1", "activeskinrect=1,1,5,5",
                   "rollup=1", "skinrect=10,20,30,40", "cursorindex=2"});
  auto user = Loaded<TspDataUserObject>(ini.get(), "user");
  EXPECT_EQ(AnsiString(), user->Hint);
  EXPECT_EQ(-1, user->ActivePictureIndex);
  EXPECT_FALSE(user->Morphing);
  EXPECT_EQ(TRect{}, user->ActiveSkinRect);
  EXPECT_TRUE(user->RollUp);
  EXPECT_EQ(Rect(10, 20, 30, 40), user->SkinRect);
  EXPECT_EQ(2, user->CursorIndex);
}

TEST(LookRules, TrackBarAnimateAndBitLabelObjectsNeverMorph) {
  Description ini({"[o]", "morphing=1", "morphkind=mkpush"});
  EXPECT_FALSE(Loaded<TspDataSkinTrackBar>(ini.get(), "o")->Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinAnimate>(ini.get(), "o")->Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinBitLabel>(ini.get(), "o")->Morphing);
  auto caption = Loaded<TspDataSkinCaption>(ini.get(), "o");
  EXPECT_TRUE(caption->Morphing);
  EXPECT_EQ(mkPush, caption->MorphKind);
}

TEST(LookRules, MenuItemHotMarksAreCompletedFromTheNormalOnes) {
  Description ini({"[mi]", "checkimagerect=1,2,3,4", "radioimagerect=5,6,7,8", "activeradioimagerect=9,9,12,12",
                   "arrowimagerect=0,0,4,7"});
  auto item = Loaded<TspDataSkinMenuItem>(ini.get(), "mi");
  EXPECT_EQ(Rect(1, 2, 3, 4), item->ActiveCheckImageRect);
  EXPECT_EQ(Rect(9, 9, 12, 12), item->ActiveRadioImageRect);
  EXPECT_EQ(Rect(0, 0, 4, 7), item->ActiveArrowImageRect);
  TMemIniFile saved("");
  item->SaveToFile(&saved);
  EXPECT_EQ(AnsiString("1,2,3,4"), saved.ReadString("mi", "activecheckimagerect", ""));
}

TEST(LookRules, FrameCountsBelowOneReadAsOneAndOtherWordsAsVertical) {
  for (const char* count : {"0", "-5"}) {
    SCOPED_TRACE(count);
    Description ini({"[f]", (std::string("framescount=") + count).c_str(), "framesplacement=sideways", "kind=knob"});
    auto regulator = Loaded<TspDataSkinFrameRegulator>(ini.get(), "f");
    EXPECT_EQ(1, regulator->FramesCount);
    EXPECT_EQ(fpVertical, regulator->FramesPlacement);
    EXPECT_EQ(rkVertical, regulator->Kind);
  }
}

TEST(LookRules, CommandWordsOutsideTheListMinimizeToTheTray) {
  struct {
    const char* line;
    TStdCommand expected;
    const char* written;
  } cases[] = {{"command=cmclose", cmClose, "cmclose"},
               {"command=cmminimizetotray", cmMinimizeToTray, "cmminimizetotray"},
               {"command=cmClose", cmMinimizeToTray, "cmminimizetotray"},
               {"other=1", cmDefault, "cmdefault"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Description ini({"[sb]", c.line});
    auto button = Loaded<TspDataSkinStdButton>(ini.get(), "sb");
    EXPECT_EQ(c.expected, button->Command);
    TMemIniFile saved("");
    button->SaveToFile(&saved);
    EXPECT_EQ(AnsiString(c.written), saved.ReadString("sb", "command", ""));
  }
}

TEST(LookRules, BitmapFontSymbolsAreAppendedAndWrittenAsALineList) {
  Description ini({"[bl]", "symbolslinecount=3", "symbolsline0=0123", "symbolsline2=ABC"});
  auto label = Loaded<TspDataSkinBitLabelControl>(ini.get(), "bl");
  ASSERT_EQ(3, label->Symbols.Count());
  EXPECT_EQ(AnsiString(""), label->Symbols.Strings(1));
  label->LoadFromFile(ini.get());
  EXPECT_EQ(6, label->Symbols.Count());
  TMemIniFile saved("");
  label->SaveToFile(&saved);
  EXPECT_EQ(AnsiString("6"), saved.ReadString("bl", "symbolslinecount", ""));
  EXPECT_EQ(AnsiString("ABC"), saved.ReadString("bl", "symbolsline5", ""));
}

TEST(LookRules, AMalformedRectangleEndsTheRead) {
  Description ini({"[b]", "skinrect=1,2,3"});
  TspDataSkinButtonControl button("b");
  EXPECT_THROW(button.LoadFromFile(ini.get()), EConvertError);
}

TEST(LookRules, SkinColoursKeepTheSystemColoursWhereTheSkinGivesNone) {
  TspSkinColors colours;
  EXPECT_EQ(0, colours.BtnFace);
  colours.SetColorsToDefault();
  EXPECT_EQ(static_cast<TColor>(0x8000000F), colours.BtnFace);
  EXPECT_EQ(static_cast<TColor>(0x80000015), colours.DkShadow3D);
  Description without({"[OTHER]", "x=1"});
  colours.LoadFromFile(without.get());
  EXPECT_EQ(static_cast<TColor>(0x8000000F), colours.BtnFace);
  EXPECT_EQ(static_cast<TColor>(0x80000012), colours.BtnText);
  EXPECT_EQ(static_cast<TColor>(0x80000016), colours.Light3D);
  Description some({"[SKINCOLORS]", "cbtnface=0", "cwindow=255"});
  colours.LoadFromFile(some.get());
  EXPECT_EQ(0, colours.BtnFace);
  EXPECT_EQ(255, colours.Window);
  EXPECT_EQ(static_cast<TColor>(0x80000008), colours.WindowText);
  TMemIniFile saved("");
  colours.SaveToFile(&saved);
  TStringList keys;
  saved.ReadSection("SKINCOLORS", &keys);
  EXPECT_EQ(AnsiString("cbtnface,cbtntext,cwindow,cwindowtext,chighlight,chighlighttext,cbtnhighlight,cbtnshadow,"
                       "c3dlight,c3ddkshadow"),
            keys.CommaText());
  EXPECT_EQ(AnsiString("-2147483640"), saved.ReadString("SKINCOLORS", "cwindowtext", ""));
}

TEST(LookRules, ClassTreeFollowsTheLookKinds) {
  auto inherits = [](TClass c, TClass ancestor) { return c->InheritsFrom(ancestor); };
  EXPECT_TRUE(inherits(TspDataSkinMemoControl::StaticClass(), TspDataSkinEditControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinCheckListBox::StaticClass(), TspDataSkinListBox::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinMenuButtonControl::StaticClass(), TspDataSkinButtonControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinButtonControl::StaticClass(), TspDataSkinCustomControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinFrameRegulator::StaticClass(), TspDataSkinFrameControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinSwitchControl::StaticClass(), TspDataSkinFrameControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinTreeView::StaticClass(), TspDataSkinControl::StaticClass()));
  EXPECT_FALSE(inherits(TspDataSkinTreeView::StaticClass(), TspDataSkinCustomControl::StaticClass()));
  EXPECT_FALSE(inherits(TspDataSkinSlider::StaticClass(), TspDataSkinCustomControl::StaticClass()));
  EXPECT_FALSE(inherits(TspDataSkinTabControl::StaticClass(), TspDataSkinCustomControl::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinMainMenuBarButton::StaticClass(), TspDataSkinButton::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinMainMenuBarItem::StaticClass(), TspDataSkinMainMenuItem::StaticClass()));
  EXPECT_TRUE(inherits(TspDataSkinMenuItem::StaticClass(), TspDataSkinObject::StaticClass()));
  EXPECT_FALSE(inherits(TspDataSkinFrameRegulatorObject::StaticClass(), TspDataSkinFrameGaugeObject::StaticClass()));
  EXPECT_FALSE(inherits(TspDataSkinPopupWindow::StaticClass(), TspDataSkinControl::StaticClass()));
  EXPECT_EQ(TObject::StaticClass(), TspDataSkinHintWindow::StaticClass()->ClassParent());
  EXPECT_EQ(AnsiString("TspDataSkinListView"), TspDataSkinListView::StaticClass()->ClassName());
  TspDataSkinArea area("client", Rect(1, 2, 3, 4));
  EXPECT_EQ(AnsiString("client"), area.IDName);
  EXPECT_EQ(Rect(1, 2, 3, 4), area.AreaRect);
}

}  // namespace
