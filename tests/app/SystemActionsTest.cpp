#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppFixture.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/Application.h"
#include "engine/Quorinvccommon.h"
#include "window_support.h"

namespace {

using Lines = std::vector<std::vector<std::string>>;

TEST(SystemActions, RecordedRequestsLeaveNothingBehindAndBoxesAnswerInTurn) {
  testsupport::TRecordedActions recorded({7});
  EXPECT_TRUE(ShellOpen(TShellOpenRequest{nullptr, "open", "http://www.example.com/", "", "", nullptr, SW_SHOW}));
  EXPECT_TRUE(RequestShutdown(EWX_SHUTDOWN | EWX_POWEROFF));
  SystemBeep(MB_ICONHAND);
  EXPECT_EQ(IDNO, SystemMessageBox(nullptr, "Stop?", "Converter", MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(IDCANCEL, SystemMessageBox(nullptr, "Again?", "Converter", MB_YESNOCANCEL | MB_DEFBUTTON3));
  EXPECT_TRUE(RunCommand("rundll32.exe shell32.dll,OpenAs_RunDLL C:\\a.htm", SW_SHOWNORMAL));
  EXPECT_EQ((Lines{{"open", "open", "http://www.example.com/", "", "", std::to_string(SW_SHOW)},
                   {"shutdown", std::to_string(EWX_SHUTDOWN | EWX_POWEROFF)},
                   {"beep", std::to_string(MB_ICONHAND)},
                   {"box", "Stop?", "Converter", std::to_string(MB_YESNO | MB_ICONQUESTION), "7"},
                   {"box", "Again?", "Converter", std::to_string(MB_YESNOCANCEL | MB_DEFBUTTON3), "2"},
                   {"run", "rundll32.exe shell32.dll,OpenAs_RunDLL C:\\a.htm", std::to_string(SW_SHOWNORMAL)}}),
            recorded.Lines());
}

TEST(SystemActions, ABoxWithoutAnAnswerTakesItsDefaultButton) {
  const struct {
    unsigned flags;
    int answer;
  } cases[] = {{MB_OK, IDOK},
               {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
               {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
               {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
               {MB_YESNOCANCEL, IDYES},
               {MB_YESNO | MB_DEFBUTTON2 | MB_ICONINFORMATION, IDNO},
               {MB_RETRYCANCEL, IDRETRY},
               {MB_CANCELTRYCONTINUE | MB_DEFBUTTON3, IDCONTINUE},
               {MB_YESNO | MB_DEFBUTTON4, IDYES}};
  for (const auto& c : cases) EXPECT_EQ(c.answer, DefaultBoxAnswer(c.flags)) << std::hex << c.flags;
}

TEST(SystemActions, LinesKeepTabsLineEndsAndBackslashesOfTheirFields) {
  const std::vector<AnsiString> fields{"box", "Failed to read the Profiles file:\nC:\\new\\a.pf", "tab\there\r",
                                       "", "back\\\\slash\\"};
  const AnsiString line = FormatActionLine(fields);
  EXPECT_EQ(0, line.Pos("\n"));
  EXPECT_EQ(0, line.Pos("\r"));
  EXPECT_EQ(AnsiString("box\tFailed to read the Profiles file:\\nC:\\\\new\\\\a.pf\ttab\\there\\r\t\t"
                       "back\\\\\\\\slash\\\\"),
            line);
  EXPECT_EQ(fields, ParseActionLine(line));
}

class ProgramBoxes : public AppFixture {};

TEST_F(ProgramBoxes, TheApplicationsAndTheEnginesBoxesGoThroughTheHandler) {
  testsupport::TRecordedActions recorded({6});
  EXPECT_EQ(IDYES, Application->MessageBox("Overwrite?", "Converter", MB_YESNO));
  EXPECT_EQ(IDOK, ShowMessageBox("Failed to read the Profiles file:\nx.pf", "Converter", MB_ICONSTOP));
  EXPECT_EQ((Lines{{"box", "Overwrite?", "Converter", std::to_string(MB_YESNO), "6"},
                   {"box", "Failed to read the Profiles file:\nx.pf", "Converter", "16", "1"}}),
            recorded.Lines());
}

}  // namespace
