#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormResource.h"
#include "skin/data/Skindata.h"
#include "skin/data/Spconst.h"

namespace {

TEST(ResourceStrings, ANewTableHoldsTheDefaultLinesAndCharacterSetOne) {
  TspResourceStrData table(nullptr);
  TStrings* lines = table.ResStrings();
  ASSERT_EQ(120, lines->Count());
  EXPECT_EQ(AnsiString("MI_MINCAPTION=Mi&nimize"), lines->Strings(0));
  EXPECT_EQ(AnsiString("DB_DELETE_QUESTION=Delete record?"), lines->Strings(lines->IndexOfName("DB_DELETE_QUESTION")));
  EXPECT_EQ(AnsiString("CUSTOMCOLOR=Custom..."), lines->Strings(119));
  EXPECT_EQ(1, table.CharSet());
  table.Init();
  EXPECT_EQ(240, lines->Count());
  EXPECT_EQ(0, lines->IndexOfName("MI_MINCAPTION"));
}

TEST(ResourceStrings, LookUpIgnoresCaseAndCutsAtTheFirstEquals) {
  TspResourceStrData table(nullptr);
  EXPECT_EQ(AnsiString("&Close"), table.GetResStr("mi_closecaption"));
  EXPECT_EQ(AnsiString("Printing: %d document(s) waiting"), SP_PRNSTATUS_PrintingAndWaiting.Text());
  TStringList own;
  for (const char* line : {"KEY=one=two", "EMPTY=", "TWICE=first", "twice=second", "BARE", "SPACED = kept "}) {
    own.Add(line);
  }
  table.SetResStrs(&own);
  own.Clear();
  ASSERT_EQ(6, table.ResStrings()->Count());
  struct {
    const char* key;
    const char* expected;
  } cases[] = {{"KEY", "one=two"}, {"empty", ""},        {"TWICE", "first"},         {"BARE", ""},
               {"SPACED ", " kept "}, {"EDIT_COPY", ""}, {"MI_CLOSECAPTION", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(AnsiString(c.expected), table.GetResStr(c.key));
  }
}

TEST(ResourceStrings, AStreamedTableReplacesTheDefaultLines) {
  InitializeControlClasses();
  InitializeSkinData();
  TComponent holder(nullptr);
  ReadFormText(&holder, TComponent::StaticClass(),
               "object Holder: TComponent\n"
               "  object Texts: TspResourceStrData\n"
               "    ResStrings = (\n"
               "      'EDIT_COPY=Kopieren'\n"
               "      'EDIT_CUT=Ausschneiden')\n"
               "    CharSet = 204\n"
               "  end\n"
               "end\n",
               "Texts.form");
  auto* table = dynamic_cast<TspResourceStrData*>(holder.FindComponent("Texts"));
  ASSERT_NE(nullptr, table);
  EXPECT_EQ(2, table->ResStrings()->Count());
  EXPECT_EQ(AnsiString("Kopieren"), table->GetResStr("EDIT_COPY"));
  EXPECT_EQ(AnsiString(), table->GetResStr("EDIT_PASTE"));
  EXPECT_EQ(204, table->CharSet());
}

// Every built-in text by its id, in a program that links the skin data library only.
TEST(ResourceStrings, EachBuiltInTextLoadsByItsId) {
  struct {
    int id;
    const char* text;
  } texts[] = {
    {65498, "Mi&nimize"},
    {65499, "Ma&ximize"},
    {65500, "&Close"},
    {65501, "&Restore"},
    {65502, "Minimize to &Tray"},
    {65503, "Ro&llUp"},
    {65472, "Minimize"},
    {65473, "Maximize"},
    {65474, "Close"},
    {65475, "Minimize to Tray"},
    {65476, "Roll Up"},
    {65477, "System menu"},
    {65478, "Undo"},
    {65479, "Copy"},
    {65480, "Cut"},
    {65481, "Paste"},
    {65482, "Delete"},
    {65483, "Select All"},
    {65484, "&Yes"},
    {65485, "&No"},
    {65486, "OK"},
    {65456, "Cancel"},
    {65457, "&Abort"},
    {65458, "&Retry"},
    {65459, "&Ignore"},
    {65460, "&All"},
    {65461, "N&oToAll"},
    {65462, "&YesToAll"},
    {65463, "&Help"},
    {65464, "&Open"},
    {65465, "&Save"},
    {65487, "Close"},
    {65466, "Go To Last Folder Visited"},
    {65467, "Up One Level"},
    {65468, "Create New Folder"},
    {65469, "View Menu"},
    {65470, "Stretch Picture"},
    {65471, "File name:"},
    {65440, "File type:"},
    {65441, "New Folder"},
    {65442, "Details"},
    {65443, "Large icons"},
    {65444, "Small icons"},
    {65445, "List"},
    {65446, "Preview"},
    {65447, "Button"},
    {65448, "Do you want to overwrite old file?"},
    {65449, "Warning"},
    {65450, "Error"},
    {65451, "Information"},
    {65452, "Confirm"},
    {65453, "Do not display this message again"},
    {65454, "Calculator"},
    {65455, "Error"},
    {65424, "Basic colors"},
    {65425, "Custom colors"},
    {65426, "Add to Custom Colors"},
    {65427, "Color:"},
    {65428, "Name:"},
    {65429, "Size:"},
    {65430, "Height:"},
    {65431, "Example:"},
    {65432, "Style:"},
    {65433, "Script:"},
    {65434, "There is no disk in Drive or Drive is not ready"},
    {65435, "Not a valid Drive ID"},
    {65437, "Name"},
    {65438, "Size"},
    {65439, "Type"},
    {65436, "Look in: "},
    {65408, "Modified"},
    {65409, "Attributes"},
    {65410, "Disk Size"},
    {65411, "Free Space"},
    {65406, "Name:"},
    {65405, "Printer"},
    {65407, "Properties..."},
    {65377, "Type:"},
    {65376, "Status:"},
    {65378, "Where:"},
    {65379, "Comment:"},
    {65380, "Print range"},
    {65381, "Copies"},
    {65382, "Number of copies:"},
    {65383, "Collate"},
    {65384, "All"},
    {65385, "Pages"},
    {65386, "Selection"},
    {65389, "Print to file"},
    {65387, "from:"},
    {65388, "to:"},
    {65390, "Orientation"},
    {65391, "Paper"},
    {65360, "Portrait"},
    {65361, "Landscape"},
    {65362, "Source:"},
    {65363, "Size:"},
    {65364, "Margins (millimeters)"},
    {65365, "Margins (inches)"},
    {65366, "Left:"},
    {65367, "Right:"},
    {65368, "Top:"},
    {65369, "Bottom:"},
    {65370, "There are no printers in your system!"},
    {65371, "Find next"},
    {65372, "Find what:"},
    {65373, "Direction"},
    {65374, "Up"},
    {65375, "Down"},
    {65344, "Match case"},
    {65345, "Match whole word only"},
    {65346, "Replace with:"},
    {65347, "Replace"},
    {65348, "Replace All"},
    {65349, "More colors..."},
    {65350, "Automatic"},
    {65351, "Custom..."},
    {65412, "Paused"},
    {65413, "Pending Deletion"},
    {65414, "Busy"},
    {65415, "Door Open"},
    {65416, "Error"},
    {65417, "Initializing"},
    {65418, "IO Active"},
    {65419, "Manual Feed"},
    {65420, "No Toner"},
    {65421, "Not Available"},
    {65422, "Offline"},
    {65423, "Out of Memory"},
    {65392, "Output Bin Full"},
    {65393, "Page Punt"},
    {65394, "Paper Jam"},
    {65395, "Paper Out"},
    {65396, "Paper Problem"},
    {65397, "Printing"},
    {65398, "Processing"},
    {65399, "Toner Low"},
    {65400, "User Intervention"},
    {65401, "Waiting"},
    {65402, "Warming Up"},
    {65403, "Ready"},
    {65404, "Printing: %d document(s) waiting"},
  };
  ASSERT_EQ(142u, std::size(texts));
  for (const auto& t : texts) {
    SCOPED_TRACE(t.id);
    EXPECT_EQ(AnsiString(t.text), TspResourceString{t.id}.Text());
  }
  EXPECT_EQ(AnsiString("Close"), SP_CLOSEBUTTON_HINT.Text());
  EXPECT_EQ(AnsiString("Error"), SP_ERROR.Text());
  EXPECT_EQ(AnsiString(), TspResourceString{65352}.Text());
}

TEST(ResourceStrings, DefaultLinesCarryTheBuiltInTexts) {
  TspResourceStrData table(nullptr);
  struct {
    const char* key;
    TspResourceString builtIn;
  } cases[] = {{"MSG_BTN_OK", SP_MSG_BTN_OK},
               {"FLV_LOOKIN", SP_FLV_LOOKIN},
               {"PRNDLG_WARNING", SP_PRNDLG_WARNING},
               {"FIND_REPLACE_All", SP_FIND_REPLACE_All}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_FALSE(c.builtIn.Text().IsEmpty());
    EXPECT_EQ(c.builtIn.Text(), table.GetResStr(c.key));
  }
  EXPECT_EQ(AnsiString("Close"), table.GetResStr("FIND_REPLACE_CLOSE"));
  EXPECT_EQ(AnsiString("Delete all selected records?"), table.GetResStr("DB_MULTIPLEDELETE_QUESTION"));
}

}  // namespace
