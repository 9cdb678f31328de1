// A skinned popup menu read from a form resource, a skin change, and the menu's behaviour
// without a skinned form, with masked looks and with a picture-less item look.
#include "MenuFixture.h"
#include "TestSkin.h"
#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/IniFiles.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/data/Skindata.h"

namespace menutest {
namespace {

class TMenuForm : public TForm {
  CLASSLIB_CLASS(TMenuForm, TForm)
 public:
  explicit TMenuForm(TComponent* owner) : TForm(owner, CreateNew) {}
  TspSkinPopupMenu* Menu = nullptr;
  TspSkinData* Skin = nullptr;
  TImageList* Icons = nullptr;
  int closes = 0;
  void MenuClosed(TObject*) { ++closes; }
};

const char* const kMenuForm = R"(object MenuForm: TMenuForm
  Left = 60
  Top = 60
  Width = 300
  Height = 200
  object Skin: TspSkinData
  end
  object Icons: TImageList
    Width = 12
    Height = 12
  end
  object Menu: TspSkinPopupMenu
    Images = Icons
    SkinData = Skin
    OnMenuClose = MenuClosed
    object FileItem: TMenuItem
      Caption = 'File'
      object RecentItem: TMenuItem
        Caption = 'Recent'
        object FirstRecent: TMenuItem
          Caption = 'first.avi'
        end
      end
    end
    object QuitItem: TMenuItem
      Caption = 'Quit'
    end
  end
end
)";

void RegisterMenuForm() {
  static bool done = false;
  if (done) return;
  done = true;
  InitializeControlClasses();
  InitializeSkinData();
  InitializeSkinControls();
  RegisterFormClass(TMenuForm::StaticClass(), {Handler("MenuClosed", &TMenuForm::MenuClosed)},
                    {Field("Menu", &TMenuForm::Menu), Field("Skin", &TMenuForm::Skin), Field("Icons", &TMenuForm::Icons)});
}

TEST(SkinMenuForm, APopupMenuOfAFormOpensAsReadAndFollowsASkinChange) {
  RegisterMenuForm();
  InitializeGraphics();
  auto form = std::make_unique<TMenuForm>(nullptr);
  ReadFormText(form.get(), TMenuForm::StaticClass(), kMenuForm, "MenuForm.form");
  form->Show();
  auto* host = new TTestMenuHost(form.get());
  LoadMenuSkin(form->Skin, "skin-menu-form");
  TspSkinPopupMenu* menu = form->Menu;
  ASSERT_NE(nullptr, menu);
  EXPECT_EQ(form->Skin, menu->SkinData());
  EXPECT_EQ(form->Icons, menu->Images());
  ASSERT_EQ(2, menu->Items()->Count());
  EXPECT_EQ(AnsiString("first.avi"), menu->Items()->Items(0)->Items(0)->Items(0)->Caption());

  TspSkinMenu* controller = host->SkinMenu();
  const auto faceAt = [&](int x, int y) {
    menu->Popup(x, y);
    testsupport::ServeApplication(30);
    TspSkinPopupWindow* window = controller->Windows(0);
    EXPECT_EQ(17, window->ImageColumnWidth());
    const TRect quit = window->Items(1)->ItemRect;
    const COLORREF face = testsupport::ControlPixel(window, quit.Left + 1, quit.Top + 1);
    for (WORD key : {WORD(VK_RIGHT), WORD(VK_RIGHT)}) {
      testsupport::PressKey(key);
      testsupport::ServeApplication(20);
    }
    EXPECT_EQ(3, controller->WindowCount());
    controller->Hide();
    testsupport::ServeApplication(20);
    return face;
  };
  EXPECT_EQ(static_cast<COLORREF>(skintest::PictureColour(skintest::piActive1, 1, 1)), faceAt(100, 100));
  EXPECT_EQ(1, form->closes);

  LoadMenuSkin(form->Skin, "skin-menu-form-2", {{"menuitem/activepictureindex", "2"}});
  EXPECT_EQ(static_cast<COLORREF>(skintest::PictureColour(skintest::piActive2, 1, 1)), faceAt(120, 100));
  EXPECT_EQ(2, form->closes);
  delete host;
  form.reset();
  testsupport::ServeApplication(20);
}

// Ends the system's popup menu once it shows, remembering that it did.
bool g_systemMenuShown = false;
void CALLBACK EndSystemMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu == nullptr || !IsWindowVisible(menu)) return;
  g_systemMenuShown = true;
  EndMenu();
}

TEST_F(MenuTest, WithoutASkinnedFormThePlainPopupMenuShows) {
  auto plainForm = std::unique_ptr<TForm>(testsupport::ShowTestForm(200, 100));
  auto* plain = new TspSkinPopupMenu(plainForm.get());
  auto* item = new TMenuItem(plain);
  item->SetCaption("Only");
  plain->Items()->Add(item);
  int popups = 0;
  struct TCounter : public TObject {
    int* count;
    void Popped(TObject*) { ++*count; }
  } counter;
  counter.count = &popups;
  plain->OnPopup = TNotifyEvent(&counter, &TCounter::Popped);
  g_systemMenuShown = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, EndSystemMenu);
  plain->Popup(120, 120);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_systemMenuShown);
  EXPECT_EQ(1, popups);
  EXPECT_EQ(0, Menu()->WindowCount());
}

// The region a window hands to its window belongs to the system from then on (Wine takes
// it over at once; Windows when the window goes): it stays in force for the window's
// whole life, and no region the windows made outlives them.
TEST_F(MenuTest, MaskedWindowsKeepTheirRegionInForceAndLeakNone) {
  TspSkinData skin(nullptr);
  // The form's mask (black inside, white at the borders) as a fourth picture.
  LoadMenuSkin(&skin, "skin-menu-masked",
               {{"PICTURES/activepicturescount", "4"}, {"PICTURES/3", "mask.bmp"}, {"POPUPWINDOW/maskpictureindex", "3"}});
  host_->SetSkinData(&skin);
  std::vector<HRGN> regions;
  for (int cycle = 0; cycle < 100; ++cycle) {
    popup_->Popup(100, 100);
    ASSERT_EQ(1, Menu()->WindowCount());
    TspSkinPopupWindow* window = Window(0);
    ASSERT_NE(nullptr, window->Region());
    regions.push_back(window->Region());
    window->PopupKeyDown(VK_DOWN);
    testsupport::ServeApplication(cycle % 25 == 0 ? 20 : 0);
    HRGN inForce = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(window->Handle(), inForce));
    EXPECT_FALSE(PtInRegion(inForce, 1, 1));
    EXPECT_TRUE(PtInRegion(inForce, window->Width() / 2, window->Height() / 2));
    DeleteObject(inForce);
    Menu()->Hide();
  }
  testsupport::ServeApplication(50);
  for (HRGN region : regions) EXPECT_EQ(0u, GetObjectType(region));
}

TEST_F(MenuTest, AnItemLookWithoutAPictureLeavesTheSkinAsRead) {
  TspSkinData skin(nullptr);
  LoadMenuSkin(&skin, "skin-menu-nopicture", {{"menuitem/activepictureindex", "9"}});
  host_->SetSkinData(&skin);
  OpenAt(100, 100);
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_EQ(nullptr, Window(0)->Items(0)->Look());
  EXPECT_EQ(20, Window(0)->Items(0)->ItemRect.Height());
  Key(VK_DOWN);
  Menu()->Hide();
  TMemIniFile saved("");
  skin.SaveToCustomIniFile(&saved);
  EXPECT_EQ(AnsiString("0,0,32,16"), saved.ReadString("menuitem", "skinrect", ""));
  EXPECT_EQ(AnsiString("0,16,32,32"), saved.ReadString("menuitem", "activeskinrect", ""));
}

}  // namespace
}  // namespace menutest
