// The standard controls placed by a form text: where they are, what they show, labels'
// measuring, panels' client area, splitter drags and the registered defaults.
#include <gtest/gtest.h>

#include <memory>

#include "../formres/Defaults.h"
#include "../windowing/WindowingFixtures.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Bevel.h"
#include "classlib/stdctrls/ComboBox.h"
#include "classlib/stdctrls/FileDialogs.h"
#include "classlib/stdctrls/Frame.h"
#include "classlib/stdctrls/Image.h"
#include "classlib/stdctrls/Label.h"
#include "classlib/stdctrls/ListBox.h"
#include "classlib/stdctrls/MaskEdit.h"
#include "classlib/stdctrls/Memo.h"
#include "classlib/stdctrls/Panel.h"
#include "classlib/stdctrls/Shape.h"
#include "classlib/stdctrls/Splitter.h"
#include "classlib/windowing/Menus.h"

namespace {

class TControlsForm : public TForm {
  CLASSLIB_CLASS(TControlsForm, TForm)
 public:
  explicit TControlsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }
  void SplitterMoved(TObject*) { ++moved; }

  TLabel* Label1 = nullptr;
  TLabel* AutoLabel = nullptr;
  TPanel* Panel1 = nullptr;
  TPanel* BorderPanel = nullptr;
  TPanel* Inner = nullptr;
  TImage* Image1 = nullptr;
  TShape* Shape1 = nullptr;
  TBevel* Bevel1 = nullptr;
  TEdit* Edit1 = nullptr;
  TMemo* Memo1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TPanel* LeftPane = nullptr;
  TSplitter* Splitter1 = nullptr;
  int moved = 0;
};

TColor ScreenAt(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return static_cast<TColor>(testsupport::ScreenPixel(p.X, p.Y));
}

// The width and height DrawText gives the text in the font, on the screen's context.
SIZE MeasuredText(const AnsiString& text, TFont* font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font->Handle());
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), text.Length(), &r, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeControlClasses();
    RegisterFormClass(TControlsForm::StaticClass(), {Handler("SplitterMoved", &TControlsForm::SplitterMoved)},
                      {Field("Label1", &TControlsForm::Label1), Field("AutoLabel", &TControlsForm::AutoLabel),
                       Field("Panel1", &TControlsForm::Panel1), Field("BorderPanel", &TControlsForm::BorderPanel),
                       Field("Inner", &TControlsForm::Inner), Field("Image1", &TControlsForm::Image1),
                       Field("Shape1", &TControlsForm::Shape1), Field("Bevel1", &TControlsForm::Bevel1),
                       Field("Edit1", &TControlsForm::Edit1), Field("Memo1", &TControlsForm::Memo1),
                       Field("ListBox1", &TControlsForm::ListBox1), Field("ComboBox1", &TControlsForm::ComboBox1),
                       Field("LeftPane", &TControlsForm::LeftPane), Field("Splitter1", &TControlsForm::Splitter1)});
  }
  void SetUp() override {
    form.reset(NewForm<TControlsForm>(nullptr));
    form->Show();
    testsupport::PumpMessages(300);
  }
  std::unique_ptr<TControlsForm> form;
};

TEST_F(ControlsTest, EachControlOfTheFormTextShowsAtItsBoundsInItsColour) {
  EXPECT_EQ(Bounds(10, 10, 60, 20), form->Label1->BoundsRect());
  EXPECT_EQ(clRed, ScreenAt(form.get(), 11, 11));
  EXPECT_EQ(clRed, ScreenAt(form.get(), 69, 29));
  EXPECT_EQ(clWhite, ScreenAt(form.get(), 71, 15));
  EXPECT_EQ(clBlue, ScreenAt(form->Panel1, 1, 1));
  EXPECT_EQ(clBlue, ScreenAt(form->Panel1, 78, 58));
  EXPECT_EQ(clLime, ScreenAt(form.get(), 11, 81));   // the 1-pixel picture stretched
  EXPECT_EQ(clLime, ScreenAt(form.get(), 48, 108));
  EXPECT_EQ(clFuchsia, ScreenAt(form.get(), 80, 95));
  EXPECT_EQ(ColorToRGB(clBtnShadow), ScreenAt(form.get(), 110, 80));   // a lowered box
  EXPECT_EQ(ColorToRGB(clBtnHighlight), ScreenAt(form.get(), 149, 109));
  EXPECT_EQ(clAqua, ScreenAt(form->Edit1, form->Edit1->ClientWidth() - 2, form->Edit1->ClientHeight() - 2));
  EXPECT_EQ(clTeal, ScreenAt(form->Memo1, form->Memo1->ClientWidth() - 3, form->Memo1->ClientHeight() - 3));
  EXPECT_EQ(clOlive, ScreenAt(form->ListBox1, 3, form->ListBox1->ClientHeight() - 3));
  EXPECT_EQ(clNavy, ScreenAt(form->LeftPane, 50, 45));
  EXPECT_EQ(clBlack, ScreenAt(form->LeftPane, 102, 45));

  EXPECT_EQ(Bounds(120, 120, 100, 60), form->Memo1->BoundsRect());
  EXPECT_EQ(Bounds(230, 120, 80, 60), form->ListBox1->BoundsRect());
  EXPECT_EQ(320, form->ComboBox1->Left());
  EXPECT_EQ(AnsiString("edit"), form->Edit1->Text());
  EXPECT_EQ(AnsiString("one\r\ntwo"), form->Memo1->Text());
  EXPECT_EQ(2, form->ListBox1->Items()->Count());
  EXPECT_EQ(AnsiString("second"), form->ComboBox1->Text());
  EXPECT_EQ(1, form->ComboBox1->ItemIndex());
}

TEST_F(ControlsTest, AnAutoSizedLabelIsAsWideAsDrawTextMeasuresItWithOrWithoutParent) {
  const SIZE text = MeasuredText("Auto sized text", form->AutoLabel->Font());
  EXPECT_EQ(text.cx, form->AutoLabel->Width());
  EXPECT_EQ(text.cy, form->AutoLabel->Height());

  TLabel loose(nullptr);
  loose.Font()->SetSize(14);
  loose.SetCaption("A longer caption");
  const SIZE looseText = MeasuredText("A longer caption", loose.Font());
  EXPECT_EQ(looseText.cx, loose.Width());
  EXPECT_EQ(looseText.cy, loose.Height());
  loose.SetAlignment(taRightJustify);
  const int right = loose.Left() + loose.Width();
  loose.SetCaption("Short");
  EXPECT_EQ(right, loose.Left() + loose.Width());  // right-aligned labels keep their right edge
}

TEST_F(ControlsTest, APanelsBorderAndBevelNarrowItsAlignedChildren) {
  EXPECT_EQ(Bounds(5, 5, 90, 50), form->Inner->BoundsRect());
  EXPECT_EQ(clYellow, ScreenAt(form->BorderPanel, 5, 5));
  EXPECT_NE(clYellow, ScreenAt(form->BorderPanel, 4, 4));
  form->BorderPanel->SetBevelInner(bvLowered);
  EXPECT_EQ(Bounds(6, 6, 88, 48), form->Inner->BoundsRect());
}

TEST_F(ControlsTest, DraggingTheSplitter30PixelsWidensItsNeighbour30PixelsOnce) {
  const TPoint start = form->Splitter1->ClientToScreen(Point(2, 45));
  SetCursorPos(start.X, start.Y);
  ServeApplication(60);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  ServeApplication(60);
  for (int step = 10; step <= 30; step += 10) {
    SetCursorPos(start.X + step, start.Y);
    ServeApplication(60);
  }
  EXPECT_EQ(100, form->LeftPane->Width());  // rsPattern: the size follows at the release
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  ServeApplication(100);
  EXPECT_EQ(130, form->LeftPane->Width());
  EXPECT_EQ(130, form->Splitter1->Left());
  EXPECT_EQ(1, form->moved);
}

TEST_F(ControlsTest, TheSplitterSnapsBelowMinSizeAndHearsOnCanResize) {
  struct TLimit : TObject {
    void CanResize(TObject*, int& size, bool&) { size = std::min(size, 150); }
  } limit;
  form->Splitter1->OnCanResize = TCanResizeEvent(&limit, &TLimit::CanResize);
  form->Splitter1->SetResizeStyle(rsUpdate);
  const TPoint start = form->Splitter1->ClientToScreen(Point(2, 45));
  auto drag = [&](int dx) {
    SetCursorPos(start.X, start.Y);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ServeApplication(60);
    SetCursorPos(start.X + dx, start.Y);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ServeApplication(60);
  };
  drag(80);
  EXPECT_EQ(150, form->LeftPane->Width());
  form->LeftPane->SetWidth(100);
  ServeApplication(60);
  drag(-80);  // 20 px: below MinSize 30
  EXPECT_EQ(0, form->LeftPane->Width());
}

// An edit that opts to be painted through PaintWindow: its face is what PaintWindow draws.
class TPaintedEdit : public TEdit {
 public:
  explicit TPaintedEdit(TComponent* owner) : TEdit(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csPaintWindow});
  }

 protected:
  void PaintWindow(HDC dc) override {
    RECT r;
    GetClientRect(Handle(), &r);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
};

TEST(PaintingTest, DoubleBufferedControlsAndOptedInSystemControlsPaintTheirOwnFace) {
  std::unique_ptr<TForm> form(ShowTestForm(300, 120));
  auto* buffered = new TColorPanel(form.get());
  buffered->SetBounds(10, 10, 80, 60);
  buffered->SetColor(clBlue);
  buffered->SetDoubleBuffered(true);
  buffered->SetParent(form.get());
  auto* shape = new TColorShape(form.get());
  shape->SetBounds(10, 10, 20, 20);
  shape->SetColor(clYellow);
  shape->SetParent(buffered);
  auto* edit = new TPaintedEdit(form.get());
  edit->SetBounds(120, 10, 100, 24);
  edit->SetText("text");
  edit->SetParent(form.get());
  testsupport::PumpMessages(300);
  EXPECT_EQ(clBlue, ScreenAt(buffered, 60, 40));
  EXPECT_EQ(clYellow, ScreenAt(buffered, 15, 15));  // window-less children go into the buffer too
  EXPECT_EQ(clRed, ScreenAt(edit, 3, 3));
  EXPECT_EQ(clRed, ScreenAt(edit, edit->ClientWidth() - 3, edit->ClientHeight() - 3));
}

// The registered defaults are the values of new objects: applying them changes nothing.
TEST(StdControlDefaults, RegisteredDefaultsAreTheStateOfNewObjects) {
  InitializeControlClasses();
  TLabel label(nullptr);
  ApplyDefaults(&label, {"Alignment", "AutoSize", "WordWrap", "Layout", "Transparent", "ShowAccelChar", "Color",
                         "ParentColor"});
  EXPECT_EQ(TLabel(nullptr).Color(), label.Color());
  EXPECT_TRUE(label.ParentColor());
  EXPECT_TRUE(label.AutoSize());
  EXPECT_TRUE(label.ShowAccelChar());

  TPanel panel(nullptr);
  ApplyDefaults(&panel, {"BevelInner", "BevelOuter", "BevelWidth", "BorderWidth", "BorderStyle", "Alignment", "Color"});
  TPanel freshPanel(nullptr);
  EXPECT_EQ(freshPanel.BevelOuter(), panel.BevelOuter());
  EXPECT_EQ(freshPanel.Alignment(), panel.Alignment());
  EXPECT_EQ(freshPanel.Color(), panel.Color());

  TSplitter splitter(nullptr);
  ApplyDefaults(&splitter, {"Align", "Cursor", "ResizeStyle", "MinSize", "AutoSnap", "Beveled", "Color", "ParentColor"});
  TSplitter freshSplitter(nullptr);
  EXPECT_EQ(freshSplitter.Align(), splitter.Align());
  EXPECT_EQ(freshSplitter.Cursor(), splitter.Cursor());
  EXPECT_EQ(freshSplitter.MinSize(), splitter.MinSize());
  EXPECT_EQ(freshSplitter.ParentColor(), splitter.ParentColor());

  TShape shape(nullptr);
  ApplyDefaults(&shape, {"Shape"});
  ApplyDefaults(shape.Pen(), {"Color", "Width", "Style", "Mode"});
  ApplyDefaults(shape.Brush(), {"Color", "Style"});
  TShape freshShape(nullptr);
  EXPECT_EQ(freshShape.Pen()->Color(), shape.Pen()->Color());
  EXPECT_EQ(freshShape.Pen()->Width(), shape.Pen()->Width());
  EXPECT_EQ(freshShape.Brush()->Color(), shape.Brush()->Color());

  TMemo memo(nullptr);
  ApplyDefaults(&memo, {"AutoSelect", "BorderStyle", "Ctl3D", "CharCase", "HideSelection", "MaxLength", "PasswordChar",
                        "ReadOnly", "TabStop", "Alignment", "ScrollBars", "WordWrap", "WantReturns", "WantTabs"});
  TMemo freshMemo(nullptr);
  EXPECT_EQ(freshMemo.AutoSelect(), memo.AutoSelect());
  EXPECT_EQ(freshMemo.WordWrap(), memo.WordWrap());
  EXPECT_EQ(freshMemo.PasswordChar(), memo.PasswordChar());
  EXPECT_EQ(freshMemo.TabStop(), memo.TabStop());

  TListBox list(nullptr);
  ApplyDefaults(&list, {"Style", "ItemHeight", "MultiSelect", "ExtendedSelect", "Sorted", "IntegralHeight", "TabStop"});
  TListBox freshList(nullptr);
  EXPECT_EQ(freshList.ItemHeight(), list.ItemHeight());
  EXPECT_EQ(freshList.ExtendedSelect(), list.ExtendedSelect());

  TComboBox combo(nullptr);
  ApplyDefaults(&combo, {"Style", "ItemIndex", "DropDownCount", "ItemHeight", "MaxLength", "Sorted", "TabStop"});
  TComboBox freshCombo(nullptr);
  EXPECT_EQ(freshCombo.Style(), combo.Style());
  EXPECT_EQ(freshCombo.ItemIndex(), combo.ItemIndex());
  EXPECT_EQ(freshCombo.DropDownCount(), combo.DropDownCount());

  TFrame frame(nullptr);
  ApplyDefaults(&frame, {"AutoScroll", "AutoSize", "TabStop", "Color"});
  EXPECT_TRUE(frame.AutoScroll());
  EXPECT_EQ(TFrame(nullptr).Color(), frame.Color());

  TImage image(nullptr);
  ApplyDefaults(&image, {"AutoSize", "Stretch", "Center", "Transparent"});
  EXPECT_FALSE(image.Stretch());
  TBevel bevel(nullptr);
  ApplyDefaults(&bevel, {"Shape", "Style"});
  EXPECT_EQ(bsBox, bevel.Shape());
  EXPECT_EQ(bsLowered, bevel.Style());

  TMenuItem item(nullptr);
  ApplyDefaults(&item, {"Checked", "RadioItem", "Default", "Enabled", "Visible", "ShortCut", "ImageIndex", "GroupIndex"});
  EXPECT_TRUE(item.Enabled());
  EXPECT_EQ(-1, item.ImageIndex());
  EXPECT_EQ(scNone, item.ShortCut());
  TPopupMenu popup(nullptr);
  ApplyDefaults(&popup, {"AutoPopup", "Alignment"});
  EXPECT_TRUE(popup.AutoPopup());
  TAction action(nullptr);
  ApplyDefaults(&action, {"Checked", "Enabled", "ImageIndex", "ShortCut", "Visible", "HelpContext", "GroupIndex"});
  EXPECT_TRUE(action.Enabled());
  EXPECT_EQ(-1, action.ImageIndex());
  TOpenDialog dialog(nullptr);
  ApplyDefaults(&dialog, {"FilterIndex", "Options"});
  EXPECT_EQ(TOpenDialog(nullptr).Options(), dialog.Options());
  EXPECT_EQ(1, dialog.FilterIndex());
}

}  // namespace
