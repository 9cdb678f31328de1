// The skinned notebook: pages made, shown, deleted, moved and cleared through Pages, the
// page buttons stacked around the shown page, ActivePage, the focus on a page switch, a
// notebook read from a form resource and a re-skin.
#include "ButtonFixture.h"
#include "ReskinRelay.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Edit.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

class TNotebookForm : public TForm {
  CLASSLIB_CLASS(TNotebookForm, TForm)
 public:
  explicit TNotebookForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinNotebook* Book = nullptr;
  TspSkinNotebook* Lost = nullptr;
  TEdit* NameEdit = nullptr;
  TEdit* RateEdit = nullptr;
};

class NotebookTest : public ButtonTest {
 protected:
  TspSkinNotebook* PlaceBook(std::initializer_list<const char*> pages) {
    auto* book = new TspSkinNotebook(form);
    book->SetParent(form);
    book->SetBounds(10, 10, 200, 200);
    if (pages.size() > 0) book->Pages()->Clear();
    for (const char* page : pages) book->Pages()->Add(page);
    return book;
  }
};

// The captions in page order and the pages shown.
std::string Captions(TspSkinNotebook* book) {
  std::string text;
  for (int i = 0; i < book->PageCount(); ++i) {
    text += (i > 0 ? " " : "") + std::string(book->Page(i)->Caption().c_str());
    if (book->Page(i)->Visible()) text += "*";
  }
  return text;
}

}  // namespace

TEST_F(NotebookTest, ANewNotebookShowsItsDefaultPageAndAddedOrInsertedPagesShowAtOnce) {
  auto* book = PlaceBook({});
  EXPECT_EQ("Default*", Captions(book));
  EXPECT_EQ(0, book->PageIndex());
  EXPECT_EQ(1, book->Pages()->Add("A"));
  EXPECT_EQ("Default A*", Captions(book));
  EXPECT_EQ(1, book->PageIndex());
  book->Pages()->Insert(0, "B");
  EXPECT_EQ("B* Default A", Captions(book));
  EXPECT_EQ(0, book->PageIndex());
  book->Pages()->SetStrings(1, "Renamed");
  EXPECT_EQ("B* Renamed A", Captions(book));
}

TEST_F(NotebookTest, DeletingShowsThePageNowFirstAndTheLastDeleteLeavesNone) {
  auto* book = PlaceBook({"A", "B", "C"});
  book->SetPageIndex(0);
  book->Pages()->Delete(0);
  EXPECT_EQ("B* C", Captions(book));
  EXPECT_EQ(0, book->PageIndex());
  book->SetPageIndex(1);
  book->Pages()->Delete(0);
  EXPECT_EQ("C*", Captions(book));
  book->Pages()->Delete(0);
  EXPECT_EQ("", Captions(book));
  EXPECT_EQ(-1, book->PageIndex());
}

TEST_F(NotebookTest, MoveMovesOnePageAndKeepsTheShownPageShown) {
  auto* book = PlaceBook({"A", "B", "C", "D"});
  auto* control = new TEdit(form);
  control->SetParent(book->Page(0));
  book->SetPageIndex(0);
  book->Pages()->Move(0, 3);
  EXPECT_EQ("B C D A*", Captions(book));
  EXPECT_EQ(3, book->PageIndex());
  EXPECT_EQ(book->Page(3), control->Parent());
}

TEST_F(NotebookTest, OutOfRangeIndexesAndUnknownCaptionsAreIgnoredAndCaptionsMatchInAnyCase) {
  auto* book = PlaceBook({"Video", "Audio"});
  book->SetPageIndex(5);
  book->SetPageIndex(-1);
  EXPECT_EQ(1, book->PageIndex());
  book->SetActivePage("VIDEO");
  EXPECT_EQ(0, book->PageIndex());
  EXPECT_EQ(AnsiString("Video"), book->ActivePage());
  book->SetActivePage("Subtitles");
  EXPECT_EQ(0, book->PageIndex());
}

TEST_F(NotebookTest, PageButtonsStackInPageOrderAboveAndBelowTheShownPage) {
  auto* book = PlaceBook({"P0", "P1", "P2", "P3", "P4"});
  book->SetPageIndex(1);
  book->SetButtonsMode(true);
  ASSERT_EQ(5, book->PageButtonCount());
  const int top = book->PageButton(0)->Top();
  const int bottom = book->PageButton(4)->Top() + 25;
  auto expectLayout = [&](int shown) {
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(i);
      TspPageButton* button = book->PageButton(i);
      EXPECT_EQ(i, button->PageIndex());
      EXPECT_EQ(i <= shown ? alTop : alBottom, button->Align());
      EXPECT_EQ(i <= shown ? top + i * 25 : bottom - (5 - i) * 25, button->Top());
    }
  };
  expectLayout(1);
  book->SetPageIndex(3);
  expectLayout(3);

  testsupport::Click(book->PageButton(4), 10, 10);
  EXPECT_EQ(4, book->PageIndex());
  book->Pages()->Clear();
  EXPECT_EQ(0, book->PageButtonCount());
}

TEST_F(NotebookTest, SwitchingPagesMovesTheFocusToTheFirstTabStopOfTheNewPage) {
  auto* book = PlaceBook({"A", "B"});
  book->SetPageIndex(0);
  auto* first = new TEdit(form);
  first->SetParent(book->Page(0));
  auto* second = new TEdit(form);
  second->SetParent(book->Page(1));
  second->SetTop(30);
  auto* outside = new TEdit(form);
  outside->SetParent(form);
  outside->SetBounds(220, 10, 60, 21);
  first->SetFocus();
  book->SetPageIndex(1);
  EXPECT_TRUE(second->Focused());
  // A focus outside the notebook stays where it is.
  outside->SetFocus();
  book->SetPageIndex(0);
  EXPECT_TRUE(outside->Focused());
}

TEST_F(NotebookTest, ANotebookFromAFormResourceShowsItsStoredPageWithThatPagesControls) {
  RegisterFormClass(TNotebookForm::StaticClass(), {},
                    {Field("Book", &TNotebookForm::Book), Field("Lost", &TNotebookForm::Lost),
                     Field("NameEdit", &TNotebookForm::NameEdit), Field("RateEdit", &TNotebookForm::RateEdit)});
  std::unique_ptr<TNotebookForm> loaded(NewForm<TNotebookForm>(nullptr));
  TspSkinNotebook* book = loaded->Book;
  ASSERT_NE(nullptr, book);
  EXPECT_EQ("General Video* Audio", Captions(book));
  EXPECT_EQ(1, book->PageIndex());
  EXPECT_EQ(2, book->Page(1)->ImageIndex());
  ASSERT_NE(nullptr, loaded->RateEdit);
  EXPECT_EQ(book->Page(1), loaded->RateEdit->Parent());
  EXPECT_EQ(book->Page(0), loaded->NameEdit->Parent());
  EXPECT_EQ(book, book->Page(0)->Owner());
  EXPECT_TRUE(book->ButtonsMode());
  EXPECT_EQ(3, book->PageButtonCount());
  EXPECT_EQ(-1, loaded->Lost->PageIndex());
  EXPECT_EQ("Only", Captions(loaded->Lost));
}

namespace {

// What a control shows along its middle row.
std::vector<COLORREF> ShownRow(TControl* control) {
  std::vector<COLORREF> row;
  const int y = control->Height() / 2;
  for (int x = 0; x < control->Width(); ++x) row.push_back(testsupport::ControlPixel(control, x, y));
  return row;
}

}  // namespace

TEST_F(NotebookTest, AReskinGivesThePagesAndPageButtonsTheNewLooks) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(WriteButtonSkin("notebook_reskin_a").c_str());
  TReskinRelay relay(form);
  auto* book = PlaceBook({"A", "B", "C"});
  // Without a look of its own the notebook's window keeps no outline, so its buttons show.
  book->SetSkinDataName("none");
  book->SetButtonSkinDataName("button");
  // The pages were made before the notebook had a skin.
  book->SetSkinData(&skin);
  book->SetButtonsMode(true);
  testsupport::ServeApplication(30);
  const std::vector<COLORREF> before = ShownRow(book->PageButton(0));

  skin.LoadFromFile(WriteButtonSkin("notebook_reskin_b", {{"skinrect", "16,0,32,12"}}).c_str());
  testsupport::ServeApplication(30);
  // A speed button made with the new skin shows what the page button shows now.
  auto* fresh = new TspSkinSpeedButton(form);
  fresh->SetSkinDataName("button");
  fresh->SetParent(form);
  fresh->SetBoundsRect(Rect(300, 10, 300 + book->PageButton(0)->Width(), 10 + book->PageButton(0)->Height()));
  fresh->SetCaption("A");
  fresh->SetSkinData(&skin);
  testsupport::ServeApplication(30);
  const std::vector<COLORREF> after = ShownRow(book->PageButton(0));
  EXPECT_NE(before, after);
  EXPECT_EQ(ShownRow(fresh), after);
  for (int i = 0; i < book->PageCount(); ++i) EXPECT_EQ(&skin, book->Page(i)->SkinData());
  EXPECT_EQ(skin.GetControlIndex(book->Page(book->PageIndex())->SkinDataName()),
            book->Page(book->PageIndex())->LookIndex());
}
