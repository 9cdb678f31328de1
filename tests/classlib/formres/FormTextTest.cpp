#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "FormFileList.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormText.h"

namespace {

TFormValue ValueOf(const std::string& valueText) {
  TFormObject root = ParseFormText(("object A: TA\n  P = " + valueText + "\nend\n").c_str(), "Value.form");
  EXPECT_EQ(1u, root.properties.size());
  return root.properties.at(0).value;
}

TEST(FormText, ReadsNestedObjectsWithLinesAndPaths) {
  TFormObject root = ParseFormText(
      "object Main: TMainForm\n"
      "  Left = 1\n"
      "  object Panel1: TPanel\n"
      "    Font.Style = []\n"
      "    object Ok: TButton\n"
      "    end\n"
      "  end\n"
      "  Top = 2\n"
      "end\n",
      "Main.form");
  EXPECT_EQ(AnsiString("Main"), root.name);
  EXPECT_EQ(AnsiString("TMainForm"), root.className);
  ASSERT_EQ(2u, root.properties.size());
  EXPECT_EQ(AnsiString("Top"), root.properties[1].name);
  EXPECT_EQ(8, root.properties[1].line);
  ASSERT_EQ(1u, root.children.size());
  const TFormObject& panel = root.children[0];
  EXPECT_EQ(3, panel.line);
  EXPECT_EQ(AnsiString("Font.Style"), panel.properties.at(0).name);
  ASSERT_EQ(1u, panel.children.size());
  EXPECT_EQ(AnsiString("TButton"), panel.children[0].className);
}

TEST(FormText, ReadsNumbers) {
  struct Case {
    const char* text;
    int64_t value;
  } cases[] = {{"0", 0}, {"-42", -42}, {"$FF", 255}, {"$80000005", -2147483643}, {"-$10", -16},
               {"$FFFFFFFF", -1}, {"4294967296", 4294967296LL}};
  for (const Case& c : cases) {
    TFormValue value = ValueOf(c.text);
    EXPECT_EQ(TFormValueKind::Integer, value.kind) << c.text;
    EXPECT_EQ(c.value, value.integer) << c.text;
  }
  TFormValue real = ValueOf("-1.5e2");
  EXPECT_EQ(TFormValueKind::Float, real.kind);
  EXPECT_DOUBLE_EQ(-150.0, real.number);
  EXPECT_DOUBLE_EQ(0.25, ValueOf("0.25").number);
}

TEST(FormText, ReadsStringsWithQuotesCodesAndJoins) {
  struct Case {
    const char* text;
    std::string value;
  } cases[] = {{"''", ""},
               {"'it''s'", "it's"},
               {"'a'#13#10'b'", "a\r\nb"},
               {"#65#66", "AB"},
               {"'one' +\n    ' two'", "one two"},
               {"'x'#9 + #233", "x\t\xE9"}};
  for (const Case& c : cases) {
    TFormValue value = ValueOf(c.text);
    EXPECT_EQ(TFormValueKind::String, value.kind) << c.text;
    EXPECT_EQ(c.value, value.text.str()) << c.text;
  }
}

TEST(FormText, ReadsIdentifiersSetsListsCollectionsAndBinary) {
  TFormValue ident = ValueOf("ResourceForm.MainSkinData");
  EXPECT_EQ(TFormValueKind::Ident, ident.kind);
  EXPECT_EQ(AnsiString("ResourceForm.MainSkinData"), ident.text);

  TFormValue set = ValueOf("[akLeft, akTop]");
  ASSERT_EQ(TFormValueKind::Set, set.kind);
  ASSERT_EQ(2u, set.identifiers.size());
  EXPECT_EQ(AnsiString("akTop"), set.identifiers[1]);
  EXPECT_TRUE(ValueOf("[]").identifiers.empty());

  TFormValue list = ValueOf("(\n 'a'\n 12\n Name)");
  ASSERT_EQ(TFormValueKind::List, list.kind);
  ASSERT_EQ(3u, list.list.size());
  EXPECT_EQ(TFormValueKind::Integer, list.list[1].kind);
  EXPECT_EQ(TFormValueKind::Ident, list.list[2].kind);

  TFormValue items = ValueOf("<\n item\n  Caption = 'x'\n  Width = 3\n end\n item\n end>");
  ASSERT_EQ(TFormValueKind::Collection, items.kind);
  ASSERT_EQ(2u, items.items.size());
  EXPECT_EQ(2u, items.items[0].properties.size());
  EXPECT_TRUE(items.items[1].properties.empty());
  EXPECT_TRUE(ValueOf("<>").items.empty());

  TFormValue binary = ValueOf("{\n  00FF7a\n  10}");
  ASSERT_EQ(TFormValueKind::Binary, binary.kind);
  EXPECT_EQ(std::string("\x00\xFF\x7A\x10", 4), binary.bytes);
}

TEST(FormText, ErrorsNameFileLineAndToken) {
  struct Case {
    const char* text;
    int line;
    const char* found;
  } cases[] = {
      {"object A: TA\n  P = 'open\nend\n", 2, "closing quote"},
      {"object A: TA\n  P = )\nend\n", 2, "')'"},
      {"object A: TA\n  P 5\nend\n", 2, "'5'"},
      {"object A: TA\n  P = [a b]\nend\n", 2, "'b'"},
      {"object A: TA\n  P = {0F 1}\nend\n", 2, "odd number"},
      {"object A: TA\n  P = {0G}\nend\n", 2, "'G'"},
      {"object A: TA\n  P = 12abc\nend\n", 2, "12a"},
      {"object A: TA\n  P = 1\n", 3, "the end of the file"},
      {"object A TA\nend\n", 1, "'TA'"},
      {"object A: TA\nend\nextra\n", 3, "'extra'"},
      {"object A: TA\n  P = 'a' +\n  5\nend\n", 3, "'5'"},
      {"object A: TA\n  P = #999\nend\n", 2, "above 255"},
      {"object A: TA\n  P = $1FFFFFFFF\nend\n", 2, "out of range"},
  };
  for (const Case& c : cases) {
    try {
      ParseFormText(c.text, "Broken.form");
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const EFormError& e) {
      EXPECT_EQ(AnsiString("Broken.form"), e.FileName()) << c.text;
      EXPECT_EQ(c.line, e.Line()) << c.text << " -> " << e.Message();
      EXPECT_NE(std::string::npos, e.Message().str().find(c.found)) << e.Message();
      EXPECT_NE(std::string::npos, e.Message().str().find("Broken.form(" + std::to_string(c.line) + ")"))
          << e.Message();
    }
  }
}

// Every form file of the source tree parses.
TEST(FormText, EveryFormFileOfTheTreeParses) {
  ASSERT_GT(std::size(kFormFiles), 0u);
  for (const char* path : kFormFiles) {
    std::ifstream file(std::string("Z:") + path, std::ios::binary);
    ASSERT_TRUE(file.good()) << path;
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NO_THROW({
      TFormObject root = ParseFormText(text.str().c_str(), path);
      EXPECT_FALSE(root.className.IsEmpty()) << path;
    }) << path;
  }
}

}  // namespace
