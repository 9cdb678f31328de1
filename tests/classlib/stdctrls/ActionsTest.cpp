// Shortcut texts, actions and their links to menu items and controls, menus' commands
// and lines: the parts that need no display.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/windowing/Action.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/Menus.h"

namespace {

struct TShortCutCase {
  const char* text;
  TShortCut shortCut;
};

TEST(ShortCutText, NamesKeysWithTheirShiftKeysAndReadsThemBack) {
  const TShortCutCase cases[] = {
      {"Ctrl+B", scCtrl | 'B'},          {"Alt+F4", scAlt | VK_F4},        {"Ctrl+Del", scCtrl | VK_DELETE},
      {"Ctrl+Alt+A", scCtrl | scAlt | 'A'}, {"F2", VK_F2},                {"Shift+Ctrl+Alt+Enter", scShift | scCtrl | scAlt | VK_RETURN},
      {"Shift+Ins", scShift | VK_INSERT}, {"Ctrl+0", scCtrl | '0'},        {"Esc", VK_ESCAPE},
  };
  for (const TShortCutCase& c : cases) {
    EXPECT_EQ(AnsiString(c.text), ShortCutToText(c.shortCut)) << c.text;
    EXPECT_EQ(c.shortCut, TextToShortCut(c.text)) << c.text;
  }
  EXPECT_EQ(scCtrl | 'B', TextToShortCut("ctrl+b"));
  EXPECT_EQ(scNone, TextToShortCut("Ctrl+"));
  EXPECT_EQ(scNone, TextToShortCut("Hyper+B"));
  EXPECT_EQ(AnsiString(""), ShortCutToText(scNone));
  EXPECT_EQ(scCtrl | 'B', MakeShortCut('B', false, true, false));
}

class TRecorder : public TObject {
 public:
  std::vector<std::string> log;
  bool enable = true;
  void Execute(TObject* sender) { log.push_back("execute:" + std::string(static_cast<TComponent*>(sender)->Name().c_str())); }
  void Update(TObject* sender) { static_cast<TCustomAction*>(sender)->SetEnabled(enable); }
  void Clicked(TObject*) { log.push_back("own click"); }
};

class ActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list = new TActionList(&owner);
    action = new TAction(&owner);
    action->SetName("Bold");
    action->SetActionList(list);
    action->SetCaption("&Bold");
    action->SetShortCut(scCtrl | 'B');
    action->OnExecute = TNotifyEvent(&recorder, &TRecorder::Execute);
  }
  TComponent owner{nullptr};
  TRecorder recorder;
  TActionList* list = nullptr;
  TAction* action = nullptr;
};

TEST_F(ActionsTest, ListRunsTheEnabledActionOfAShortcutOnce) {
  EXPECT_TRUE(list->IsShortCut(scCtrl | 'B'));
  EXPECT_FALSE(list->IsShortCut(scCtrl | 'C'));
  EXPECT_EQ(std::vector<std::string>({"execute:Bold"}), recorder.log);
  // OnUpdate runs first and may disable it: then the key is not taken.
  action->OnUpdate = TNotifyEvent(&recorder, &TRecorder::Update);
  recorder.enable = false;
  EXPECT_FALSE(list->IsShortCut(scCtrl | 'B'));
  EXPECT_FALSE(action->Execute());
  EXPECT_EQ(1u, recorder.log.size());
}

TEST_F(ActionsTest, LinkedMenuItemAndButtonFollowTheAction) {
  auto* item = new TMenuItem(&owner);
  auto* button = new TButton(&owner);
  item->SetAction(action);
  button->SetAction(action);
  EXPECT_EQ(AnsiString("&Bold"), item->Caption());
  EXPECT_EQ(AnsiString("&Bold"), button->Caption());
  EXPECT_EQ(scCtrl | 'B', item->ShortCut());

  action->SetCaption("Heavy");
  action->SetEnabled(false);
  action->SetChecked(true);
  EXPECT_EQ(AnsiString("Heavy"), item->Caption());
  EXPECT_EQ(AnsiString("Heavy"), button->Caption());
  EXPECT_FALSE(item->Enabled());
  EXPECT_FALSE(button->Enabled());
  EXPECT_TRUE(item->Checked());
  EXPECT_TRUE(button->Checked());

  // A client that changed a value itself keeps it.
  item->SetCaption("Own");
  action->SetCaption("Heavier");
  EXPECT_EQ(AnsiString("Own"), item->Caption());
  EXPECT_EQ(AnsiString("Heavier"), button->Caption());

  // The linked click runs the action (once, and not while disabled).
  item->Click();
  button->Click();
  EXPECT_TRUE(recorder.log.empty());
  action->SetEnabled(true);
  item->Click();
  button->Click();
  EXPECT_EQ(std::vector<std::string>({"execute:Bold", "execute:Bold"}), recorder.log);
  EXPECT_TRUE(button->OnClick == action->OnExecute);
}

TEST_F(ActionsTest, AClientOwnOnClickWinsAndAFreedActionLeavesItsClients) {
  auto* button = new TButton(&owner);
  button->SetAction(action);
  button->OnClick = TNotifyEvent(&recorder, &TRecorder::Clicked);
  button->Click();
  EXPECT_EQ(std::vector<std::string>({"own click"}), recorder.log);
  auto* item = new TMenuItem(&owner);
  item->SetAction(action);
  delete action;
  EXPECT_EQ(nullptr, button->Action());
  EXPECT_EQ(nullptr, item->Action());
  EXPECT_EQ(0, list->ActionCount());
  item->Click();  // nothing to run, nothing breaks
}

TEST_F(ActionsTest, CheckingAnActionOfAGroupUnchecksTheOthers) {
  auto* other = new TAction(&owner);
  other->SetActionList(list);
  action->SetGroupIndex(1);
  other->SetGroupIndex(1);
  action->SetChecked(true);
  other->SetChecked(true);
  EXPECT_FALSE(action->Checked());
  EXPECT_TRUE(other->Checked());
}

TEST(MenusTest, ItemsNestThroughTheirParentComponentAndAnswerCommandsAndShortcuts) {
  TComponent owner(nullptr);
  auto* menu = new TMainMenu(&owner);
  auto* file = new TMenuItem(&owner);
  auto* open = new TMenuItem(&owner);
  file->SetParentComponent(menu);
  open->SetParentComponent(file);
  open->SetCaption("&Open");
  open->SetShortCut(scCtrl | 'O');
  TRecorder recorder;
  open->SetName("Open");
  open->OnClick = TNotifyEvent(&recorder, &TRecorder::Execute);

  EXPECT_EQ(file, menu->Items()->Items(0));
  EXPECT_EQ(open, file->Find("open"));
  EXPECT_EQ(menu, open->GetParentMenu());
  EXPECT_EQ(menu, file->GetParentComponent());
  EXPECT_EQ(file, open->GetParentComponent());
  EXPECT_NE(open->Command(), file->Command());
  EXPECT_EQ(open, menu->FindItem(open->Command()));

  EXPECT_TRUE(menu->DispatchCommand(open->Command()));
  EXPECT_TRUE(menu->IsShortCut(scCtrl | 'O'));
  open->SetEnabled(false);
  EXPECT_FALSE(menu->IsShortCut(scCtrl | 'O'));
  EXPECT_EQ(2u, recorder.log.size());
  delete open;
  EXPECT_EQ(0, file->Count());
}

TEST(MenusTest, RethinkLinesHidesLeadingTrailingAndDoubledLines) {
  TMenuItem root(nullptr);
  const char* captions[] = {"-", "A", "-", "-", "B", "-"};
  std::vector<TMenuItem*> items;
  for (const char* caption : captions) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(caption);
    root.Add(item);
    items.push_back(item);
  }
  root.RethinkLines();
  const bool hidden[] = {true, false, false, true, false, true};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(hidden[i], items[i]->LineHidden()) << i;
}

TEST(MenusTest, RadioItemsOfAGroupExcludeEachOther) {
  TMenuItem root(nullptr);
  auto* a = new TMenuItem(nullptr);
  auto* b = new TMenuItem(nullptr);
  for (TMenuItem* item : {a, b}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(2);
    root.Add(item);
  }
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
}

}  // namespace
