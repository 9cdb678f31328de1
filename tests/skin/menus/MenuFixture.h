#pragma once
// What the skinned-menu tests share: a test host that plays the form-skinning component's
// menu side, a form on screen with a focused control, a three-level popup menu, and the
// generated skin with a usable popup-window and menu-item look.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "classlib/stdctrls/Edit.h"
#include "skin/controls/Skinmenus.h"
#include "window_support.h"

namespace menutest {

// The menu side of a skinned form, as the form-skinning component provides it: while a
// menu is open the application's key downs and wheel turns are taken (keys go to the
// last popup window), a closing message of the form hides the menu, and
// WM_CLOSESKINMENU to the form ends menu mode.
class TTestMenuHost : public TComponent, public IspSkinMenuHost {
  CLASSLIB_CLASS(TTestMenuHost, TComponent)
 public:
  explicit TTestMenuHost(TCustomForm* form);
  ~TTestMenuHost() override;

  TCustomForm* MenuHostForm() const override { return form_; }
  TspSkinData* SkinData() const override { return skinData_; }
  TspSkinData* MenusSkinData() const override { return menusSkinData_; }
  TspSkinMenu* SkinMenu() const override { return menu_; }
  void SkinMenuOpen() override;
  void SkinMenuClose() override;

  void SetSkinData(TspSkinData* value) { skinData_ = value; }
  void SetMenusSkinData(TspSkinData* value) { menusSkinData_ = value; }
  bool InMenuMode() const { return menuMode_; }
  int MenuModeEnds() const { return menuModeEnds_; }

 private:
  void ApplicationMessage(MSG& message, bool& handled);
  void FormWindowProc(TMessage& message);

  TCustomForm* form_;
  TspSkinMenu* menu_;
  TspSkinData* skinData_ = nullptr;
  TspSkinData* menusSkinData_ = nullptr;
  TWndMethod savedWindowProc_;
  TMessageEvent savedOnMessage_;
  bool hooked_ = false;
  bool menuMode_ = false;
  int menuModeEnds_ = 0;
};

// The values that give the generated skin a usable popup window (picture 0, 64 x 48,
// 4-pixel borders) and menu item (picture 1: faces 32 x 16, normal at the top, lit below).
std::map<std::string, std::string> MenuLookValues();
// Writes and loads that skin; `overrides` replace more values ("section/key").
void LoadMenuSkin(TspSkinData* skin, const std::string& name,
                  const std::map<std::string, std::string>& overrides = {});

// Records the clicks of menu items ("click:<caption>").
class TClickLog : public TObject {
 public:
  std::vector<std::string> entries;
  int menuCloses = 0;
  void Clicked(TObject* sender);
  void MenuClosed(TObject* sender);
};

// A form on screen with a focused edit, its test host and a popup menu owned by the form:
//   Open | - | Disabled (disabled) | More > (Alpha | Deeper > (Inner1 | Inner2) | Beta) | Last
class MenuTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TMenuItem* AddItem(TMenuItem* parent, const char* caption, bool enabled = true);
  // Opens the popup menu at a screen point and serves the queue.
  void OpenAt(int x, int y);
  void Key(WORD virtualKey);
  TspSkinMenu* Menu() const { return host_->SkinMenu(); }
  TspSkinPopupWindow* Window(int index) const { return Menu()->Windows(index); }
  // The caption of the active item of the last window ("" for none).
  std::string ActiveCaption() const;
  // The centre of a window's item, in that window's client coordinates.
  TPoint ItemCentre(TspSkinPopupWindow* window, const char* caption) const;
  TspSkinMenuItem* FindItem(TspSkinPopupWindow* window, const char* caption) const;
  // Serves the queue until `done` or about two seconds passed.
  bool ServeUntil(const std::function<bool()>& done);

  std::unique_ptr<TForm> form_;
  TEdit* edit_ = nullptr;
  TTestMenuHost* host_ = nullptr;
  TspSkinPopupMenu* popup_ = nullptr;
  TClickLog log_;
  TMenuItem* more_ = nullptr;
  TMenuItem* deeper_ = nullptr;
};

}  // namespace menutest
