// Real windows on the X display: class names, alignment, anchors, painting.
#include <gtest/gtest.h>

#include <memory>

#include "WindowingFixtures.h"

namespace {

struct AlignedChild {
  const char* name;
  TAlign align;
  int size;  // height for top/bottom, width for left/right
  TColor color;
  TRect expected;  // in the form's 400 x 300 client area
};

// The alignment table: top and bottom take the full width first, left and right the
// height that remains, the client control what is left in the middle.
const AlignedChild kChildren[] = {
    {"Top", alTop, 40, 0x0000C0, Rect(0, 0, 400, 40)},
    {"Bottom", alBottom, 30, 0x00C000, Rect(0, 270, 400, 300)},
    {"Left", alLeft, 50, 0xC00000, Rect(0, 40, 50, 270)},
    {"Right", alRight, 60, 0xC0C000, Rect(340, 40, 400, 270)},
    {"Middle", alClient, 0, 0x00C0C0, Rect(50, 40, 340, 270)},
};

TRect WindowRectIn(HWND window, HWND parent) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return Rect(r.left, r.top, r.right, r.bottom);
}

TColor Screen_At(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return testsupport::ScreenPixel(p.X, p.Y);
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(400, 300));
    form->SetCaption("Layout");
    for (const auto& c : kChildren) {
      auto* panel = new TColorPanel(form.get());
      panel->SetName(c.name);
      panel->SetBounds(0, 0, c.size, c.size);
      panel->SetColor(c.color);
      panel->SetParent(form.get());
      panel->SetAlign(c.align);
      panels.push_back(panel);
    }
    shape = new TColorShape(form.get());
    shape->SetBounds(10, 20, 30, 40);
    shape->SetColor(0x8040FF);
    shape->SetParent(panels[4]);
    testsupport::PumpMessages(200);
  }

  std::unique_ptr<TForm> form;
  std::vector<TColorPanel*> panels;
  TColorShape* shape = nullptr;
};

TEST_F(LayoutTest, WindowsAreNamedAfterTheirClassesAndAnswerTheirCaption) {
  EXPECT_EQ(WindowClassName(form->Handle()), "TForm");
  EXPECT_EQ(WindowClassName(panels[0]->Handle()), "TColorPanel");
  EXPECT_EQ(WindowText(form->Handle()), "Layout");
  // csSetCaption: the name became the caption.
  EXPECT_EQ(WindowText(panels[1]->Handle()), "Bottom");
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
}

TEST_F(LayoutTest, AlignedChildrenFollowTheTableAndShowTheirColour) {
  for (size_t i = 0; i < panels.size(); ++i) {
    SCOPED_TRACE(kChildren[i].name);
    EXPECT_EQ(panels[i]->BoundsRect(), kChildren[i].expected);
    EXPECT_EQ(WindowRectIn(panels[i]->Handle(), form->Handle()), kChildren[i].expected);
    const TRect& r = kChildren[i].expected;
    EXPECT_EQ(Screen_At(form.get(), r.Left + r.Width() / 2 + 3, r.Top + r.Height() / 2 + 3), kChildren[i].color);
  }
}

TEST_F(LayoutTest, WindowlessChildIsPaintedByItsParentAboveItsFace) {
  EXPECT_EQ(panels[4]->Controls(0), shape);
  EXPECT_EQ(Screen_At(panels[4], 25, 40), 0x8040FFu);
  EXPECT_EQ(Screen_At(panels[4], 45, 40), 0x00C0C0u);
  // A window-less child stays before windowed ones in Controls.
  auto* inner = new TColorPanel(form.get());
  inner->SetBounds(100, 100, 20, 20);
  inner->SetParent(panels[4]);
  auto* second = new TColorShape(form.get());
  second->SetParent(panels[4]);
  EXPECT_EQ(panels[4]->Controls(1), second);
  EXPECT_EQ(panels[4]->Controls(2), inner);
}

TEST_F(LayoutTest, ReassigningAlignRealignsAndResizingRealigns) {
  panels[0]->SetBounds(0, 0, 10, 70);  // still top-aligned: full width, height 70
  EXPECT_EQ(panels[0]->BoundsRect(), Rect(0, 0, 400, 70));
  EXPECT_EQ(panels[2]->BoundsRect(), Rect(0, 70, 50, 270));
  panels[2]->SetAlign(alNone);
  panels[2]->SetBounds(5, 5, 20, 20);
  panels[2]->SetAlign(alLeft);
  EXPECT_EQ(panels[2]->BoundsRect(), Rect(0, 70, 20, 270));
  form->SetClientSize(500, 300);
  testsupport::PumpMessages(100);
  EXPECT_EQ(panels[3]->BoundsRect(), Rect(440, 70, 500, 270));
  EXPECT_EQ(panels[4]->BoundsRect(), Rect(20, 70, 440, 270));
}

TEST_F(LayoutTest, AnchorsFollowAResize) {
  struct Case {
    TAnchors anchors;
    TRect after;  // the form's client grows by 40 x 20
  };
  const Case cases[] = {
      {{akLeft, akTop}, Rect(100, 100, 130, 120)},
      {{akRight, akBottom}, Rect(140, 120, 170, 140)},
      {{akLeft, akTop, akRight, akBottom}, Rect(100, 100, 170, 140)},
      {{akLeft, akRight}, Rect(100, 100, 170, 120)},
  };
  std::vector<TColorPanel*> anchored;
  for (const auto& c : cases) {
    auto* panel = new TColorPanel(form.get());
    panel->SetBounds(100, 100, 30, 20);
    panel->SetParent(form.get());
    panel->SetAnchors(c.anchors);
    anchored.push_back(panel);
  }
  panels[4]->SetAlign(alNone);
  form->SetClientSize(440, 320);
  testsupport::PumpMessages(100);
  for (size_t i = 0; i < anchored.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(anchored[i]->BoundsRect(), cases[i].after);
    EXPECT_EQ(WindowRectIn(anchored[i]->Handle(), form->Handle()), cases[i].after);
  }
}

TEST_F(LayoutTest, RecreatingAWindowKeepsChildrenTextAndState) {
  TColorPanel* middle = panels[4];
  auto* child = new TColorPanel(form.get());
  child->SetBounds(5, 5, 20, 20);
  child->SetParent(middle);
  child->SetCaption("kept");
  child->SetEnabled(false);
  HWND oldHandle = middle->Handle();
  middle->RecreateWnd();
  EXPECT_NE(middle->Handle(), oldHandle);
  EXPECT_FALSE(IsWindow(oldHandle));
  EXPECT_EQ(GetParent(child->Handle()), middle->Handle());
  EXPECT_EQ(WindowText(child->Handle()), "kept");
  EXPECT_FALSE(IsWindowEnabled(child->Handle()));
  EXPECT_EQ(middle->Controls(0), shape);
}

TEST_F(LayoutTest, ParentFontAndColourReachChildrenThatFollowTheirParent) {
  auto* follower = new TColorPanel(form.get());
  follower->SetParent(panels[4]);
  follower->SetParentColor(true);
  auto* own = new TColorPanel(form.get());
  own->SetParent(panels[4]);
  own->Font()->SetHeight(-20);
  panels[4]->Font()->SetName("Arial");
  panels[4]->SetColor(0x123456);
  EXPECT_EQ(follower->Color(), 0x123456u);
  EXPECT_EQ(follower->Font()->Name(), AnsiString("Arial"));
  EXPECT_TRUE(follower->ParentFont());
  EXPECT_FALSE(own->ParentFont());
  EXPECT_EQ(own->Font()->Name(), AnsiString("MS Sans Serif"));
}

TEST_F(LayoutTest, ParentPaintsWindowlessChildrenIntoAGivenContext) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 290, 230);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, 290, 230, BLACKNESS);
  SendMessageA(panels[4]->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(GetPixel(memory, 25, 40), 0x8040FFu);  // the window-less child
  EXPECT_EQ(GetPixel(memory, 45, 40), 0x00C0C0u);  // the panel's own face
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

TEST_F(LayoutTest, PopupWithAParentIsPlacedInScreenCoordinates) {
  class TPopup : public TColorPanel {
   public:
    using TColorPanel::TColorPanel;

   protected:
    void CreateParams(TCreateParams& params) override {
      TColorPanel::CreateParams(params);
      params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
    }
  };
  auto* popup = new TPopup(form.get());
  popup->SetBounds(300, 310, 40, 30);
  popup->SetParent(form.get());
  RECT r;
  GetWindowRect(popup->Handle(), &r);
  EXPECT_EQ(Rect(r.left, r.top, r.right, r.bottom), Rect(300, 310, 340, 340));
  EXPECT_EQ(GetWindow(popup->Handle(), GW_OWNER), form->Handle());
  EXPECT_EQ(popup->ClientOrigin(), Point(300, 310));
}

TEST_F(LayoutTest, ConstraintsLimitTheSizeAlignmentGives) {
  panels[3]->Constraints()->MaxHeight = 100;
  panels[0]->Constraints()->MinHeight = 60;
  panels[0]->SetHeight(10);
  form->Realign();
  EXPECT_EQ(panels[0]->Height(), 60);
  EXPECT_EQ(panels[3]->BoundsRect(), Rect(340, 60, 400, 160));
}

}  // namespace
