// Context menus with real keys: a stand-in menu shows which commands run where, and the
// shell's own menu of a file closes again without running anything.
#include <atomic>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "classlib/runtime/FileUtils.h"
#include "window_support.h"

using namespace shelltest;

namespace {

const char* const kVerbs[] = {"alpha", "beta", "gamma"};

// A context menu of three commands that records what it is asked.
class TFakeContextMenu : public IContextMenu2 {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IContextMenu) || IsEqualIID(iid, IID_IContextMenu2)) {
      *object = static_cast<IContextMenu2*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }

  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT flags) override {
    queried = {index, first, last, flags};
    for (UINT i = 0; i < 3; ++i) InsertMenuA(menu, index + i, MF_BYPOSITION | MF_STRING, first + i, kVerbs[i]);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 3);
  }
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    invokedSize = info->cbSize;
    invokedWindow = info->hwnd;
    invokedShow = info->nShow;
    invokedMask = info->fMask;
    invoked.push_back(IS_INTRESOURCE(info->lpVerb) ? std::to_string(LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)))
                                                   : std::string(info->lpVerb));
    return invokeResult;
  }
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR command, UINT type, UINT*, LPSTR name, UINT size) override {
    if (type != GCS_VERBA || command >= 3) return E_INVALIDARG;
    lstrcpynA(name, kVerbs[command], static_cast<int>(size));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT, WPARAM, LPARAM) override { return S_OK; }

  std::atomic<ULONG> references{1};
  std::vector<UINT> queried;
  std::vector<std::string> invoked;
  UINT invokedSize = 0;
  HWND invokedWindow = nullptr;
  int invokedShow = 0;
  DWORD invokedMask = 0;
  HRESULT invokeResult = S_OK;
};

// Hands out the stand-in menu as every item's context menu for the scope.
class TFakeMenuScope {
 public:
  explicit TFakeMenuScope(TFakeContextMenu& menu) {
    TspShellSeams seams;
    seams.ContextMenu = [&menu](IShellFolder*, HWND, LPCITEMIDLIST, IContextMenu** result) {
      menu.AddRef();
      *result = &menu;
      return S_OK;
    };
    previous_ = SetShellSeams(seams);
  }
  ~TFakeMenuScope() { SetShellSeams(previous_); }

 private:
  TspShellSeams previous_;
};

// An owner that carries out one verb itself and hears how each command ended.
class TVerbForm : public TForm, public IShellCommandVerb {
 public:
  TVerbForm() : TForm(nullptr, CreateNew) {}
  void ExecuteCommand(const AnsiString& verb, bool& handled) override {
    executed.push_back(verb.c_str());
    handled = verb == AnsiString(ownVerb.c_str());
  }
  void CommandCompleted(const AnsiString& verb, bool succeeded) override {
    completed.push_back(std::string(verb.c_str()) + (succeeded ? ":ok" : ":failed"));
  }
  std::string ownVerb;
  std::vector<std::string> executed;
  std::vector<std::string> completed;
};

// What the timer does once the menu shows: remember the active menu, then press keys.
struct TMenuKeys {
  std::vector<WORD> keys;
  bool shown = false;
  IContextMenu2* activeWhileShown = nullptr;
  int itemCount = 0;
};
TMenuKeys g_menuKeys;

void SendKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

void CALLBACK PressMenuKeys(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (g_menuKeys.shown || menu == nullptr || !IsWindowVisible(menu)) return;
  g_menuKeys.shown = true;
  g_menuKeys.activeWhileShown = ActiveContextMenu2;
  auto popup = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
  g_menuKeys.itemCount = popup != nullptr ? GetMenuItemCount(popup) : 0;
  for (WORD key : g_menuKeys.keys) SendKey(key);
}

// Puts the owner of the menus on screen.
void ShowOwner(TForm* owner) {
  owner->SetBounds(80, 80, 200, 150);
  owner->Show();
  testsupport::ServeApplication(50);
}

// Shows the context menu of `item` for `owner`, pressing `keys` once it is on screen.
void ShowMenuWithKeys(TWinControl* owner, TspShellFolder* item, std::vector<WORD> keys) {
  g_menuKeys = TMenuKeys{std::move(keys)};
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, PressMenuKeys);
  InvokeContextMenu(owner, item, 20, 20);
  KillTimer(nullptr, timer);
}

class Menus : public testing::Test {
 protected:
  void SetUp() override {
    base_ = CaseFolder();
    MakeFile(base_ + "\\item.txt");
    folder_ = OpenFolder(base_);
    item_ = ChildItem(folder_.get(), "item.txt");
  }
  std::string base_;
  std::unique_ptr<TspShellFolder> folder_;
  std::unique_ptr<TspShellFolder> item_;
};

}  // namespace

TEST_F(Menus, TheChosenCommandRunsWithTheOwnerFirst) {
  struct Case {
    const char* title;
    bool verbOwner;
    const char* ownVerb;
    int downs;
    HRESULT result;
    std::vector<std::string> invoked;
    std::vector<std::string> completed;
  } cases[] = {
      {"owner handles it", true, "beta", 2, S_OK, {}, {"beta:ok"}},
      {"the shell runs it", true, "beta", 3, S_OK, {"2"}, {"gamma:ok"}},
      {"the shell fails", true, "beta", 1, E_FAIL, {"0"}, {"alpha:failed"}},
      {"a plain owner", false, "", 2, S_OK, {"1"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    TFakeContextMenu menu;
    menu.invokeResult = c.result;
    TFakeMenuScope scope(menu);
    std::unique_ptr<TForm> owner(c.verbOwner ? new TVerbForm : new TForm(nullptr, CreateNew));
    if (c.verbOwner) static_cast<TVerbForm*>(owner.get())->ownVerb = c.ownVerb;
    ShowOwner(owner.get());
    std::vector<WORD> keys(static_cast<size_t>(c.downs), VK_DOWN);
    keys.push_back(VK_RETURN);

    EXPECT_EQ(nullptr, ActiveContextMenu2);
    ShowMenuWithKeys(owner.get(), item_.get(), keys);
    EXPECT_TRUE(g_menuKeys.shown);
    EXPECT_EQ(static_cast<IContextMenu2*>(&menu), g_menuKeys.activeWhileShown);
    EXPECT_EQ(nullptr, ActiveContextMenu2);
    EXPECT_EQ((std::vector<UINT>{0, 1, 0x7FFF, CMF_EXPLORE | CMF_CANRENAME}), menu.queried);
    EXPECT_EQ(c.invoked, menu.invoked);
    if (!c.invoked.empty()) {
      EXPECT_EQ(sizeof(CMINVOKECOMMANDINFO), menu.invokedSize);
      EXPECT_EQ(owner->Handle(), menu.invokedWindow);
      EXPECT_EQ(SW_SHOWNORMAL, menu.invokedShow);
    }
    if (c.verbOwner) {
      auto* verbOwner = static_cast<TVerbForm*>(owner.get());
      EXPECT_EQ(std::vector<std::string>{c.completed[0].substr(0, c.completed[0].find(':'))}, verbOwner->executed);
      EXPECT_EQ(c.completed, verbOwner->completed);
    }
    owner.reset();
    EXPECT_EQ(1u, menu.references.load());  // every reference the menu handed out came back
  }
}

TEST_F(Menus, EscapeClosesTheMenuWithoutACommand) {
  TFakeContextMenu menu;
  TFakeMenuScope scope(menu);
  TVerbForm owner;
  ShowOwner(&owner);
  ShowMenuWithKeys(&owner, item_.get(), {VK_ESCAPE});
  EXPECT_TRUE(g_menuKeys.shown);
  EXPECT_EQ(3, g_menuKeys.itemCount);
  EXPECT_TRUE(menu.invoked.empty());
  EXPECT_TRUE(owner.executed.empty());
  EXPECT_TRUE(owner.completed.empty());
  EXPECT_EQ(nullptr, ActiveContextMenu2);
}

TEST_F(Menus, TheShellsOwnMenuOfAFileClosesWithEscape) {
  testsupport::TRecordedActions actions;
  TVerbForm owner;
  ShowOwner(&owner);
  ShowMenuWithKeys(&owner, item_.get(), {VK_ESCAPE});
  EXPECT_TRUE(g_menuKeys.shown);
  EXPECT_GT(g_menuKeys.itemCount, 0);
  EXPECT_NE(nullptr, g_menuKeys.activeWhileShown);
  EXPECT_EQ(nullptr, ActiveContextMenu2);
  EXPECT_TRUE(owner.executed.empty());
  EXPECT_TRUE(actions.Lines().empty());
  EXPECT_TRUE(FileExists((base_ + "\\item.txt").c_str()));
}

TEST_F(Menus, InvokeVerbHandsItsVerbByName) {
  TFakeContextMenu menu;
  TFakeMenuScope scope(menu);
  EXPECT_TRUE(InvokeVerb(item_.get(), "properties"));
  EXPECT_EQ(std::vector<std::string>{"properties"}, menu.invoked);
  EXPECT_EQ(DWORD{CMIC_MASK_ASYNCOK}, menu.invokedMask);
  EXPECT_EQ(nullptr, menu.invokedWindow);
  menu.invokeResult = E_FAIL;
  EXPECT_FALSE(InvokeVerb(item_.get(), "open"));
  EXPECT_FALSE(InvokeVerb(nullptr, "open"));
  EXPECT_EQ(1u, menu.references.load());
}

TEST_F(Menus, ExecuteDefaultOpensTheItemThroughTheSystemActions) {
  testsupport::TRecordedActions actions;
  EXPECT_TRUE(item_->ExecuteDefault());
  ASSERT_EQ(1u, actions.Lines().size());
  EXPECT_EQ((std::vector<std::string>{"open-item", "", base_ + "\\item.txt", "5"}), actions.Lines()[0]);
}
