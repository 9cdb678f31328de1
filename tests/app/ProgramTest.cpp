// converter.exe driven as a user's system runs it: staged in a folder of its own with
// the test plug-ins, its system actions recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "program_driver.h"

namespace {

using testsupport::StageProgram;
using testsupport::TProgramRun;
using Lines = std::vector<std::vector<std::string>>;

constexpr const char* kProgram = "converter.exe";
constexpr const char* kMainCaption = "Quorin Video Converter";

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Replaces the staged plug-ins by the test ones (testplugins\ beside the staged program).
void UseTestPlugins(const std::string& folder) {
  for (const char* plugin : {"wmvenc.dll", "rmenc.dll"}) {
    ASSERT_TRUE(CopyFileA((folder + "testplugins\\" + plugin).c_str(), (folder + plugin).c_str(), FALSE)) << plugin;
  }
}

TEST(ConverterProgram, WithoutTheEnvironmentFileOnlyTheInitializationBoxShowsAndTheRunEndsWithMinusOne) {
  const std::string folder = StageProgram(kProgram, {"ZediruVeze.EDF"});
  TProgramRun run(folder, kProgram);
  EXPECT_EQ(static_cast<DWORD>(-1), run.ExitCode());
  EXPECT_EQ((Lines{{"box", "Application failed to initialize properly, Please reinstall the application!",
                    "Initialization error!", "16", "1"}}),
            run.ActionsLog());
  EXPECT_TRUE(run.Appeared().empty()) << run.Appeared().front();
}

TEST(ConverterProgram, AnExceptionEndingStartUpIsShownAndTheRunEndsWithOne) {
  const std::string folder = StageProgram(kProgram);
  // A damaged application icon makes loading it raise.
  CreateDirectoryA((folder + "Skin").c_str(), nullptr);
  CreateDirectoryA((folder + "Skin\\Quorin").c_str(), nullptr);
  std::ofstream(folder + "Skin\\Quorin\\AppIcon.ico", std::ios::binary | std::ios::trunc) << "not an icon";
  TProgramRun run(folder, kProgram);
  EXPECT_EQ(1u, run.ExitCode());
  const Lines log = run.ActionsLog();
  ASSERT_EQ(1u, log.size());
  EXPECT_EQ("box", log[0][0]);
  EXPECT_FALSE(log[0][1].empty()) << "the exception's message";
  EXPECT_EQ(kMainCaption, log[0][2]) << "captioned with the application's title";
  EXPECT_EQ(std::to_string(MB_OK | MB_ICONSTOP), log[0][3]);
  EXPECT_TRUE(run.Appeared().empty()) << run.Appeared().front();
}

TEST(ConverterProgram, StartsWithoutIconAndCoverPictureAndShutsDownMainWindowFirstThenThePlugins) {
  const std::string folder = StageProgram(kProgram);
  UseTestPlugins(folder);
  // Whatever icon and cover picture the shipped skin has are taken away.
  for (const char* file : {"Skin\\Quorin\\AppIcon.ico", "Skin\\Quorin\\Cover.jpg"}) DeleteFileA((folder + file).c_str());
  const std::string pluginLog = folder + "plugins.log";
  SetEnvironmentVariableA("TEST_PLUGIN_LOG", pluginLog.c_str());
  TProgramRun run(folder, kProgram, {"LastFormat=3"});
  SetEnvironmentVariableA("TEST_PLUGIN_LOG", nullptr);

  HWND main = run.WaitWindow("TMainForm", kMainCaption);
  ASSERT_NE(nullptr, main);
  const std::vector<std::string> appeared = run.Appeared();
  ASSERT_GE(appeared.size(), 2u);
  EXPECT_EQ("TCoverForm|Cover", appeared[0]);
  EXPECT_EQ(std::string("TMainForm|") + kMainCaption, appeared.back());
  EXPECT_FALSE(IsWindow(run.WaitWindow("TCoverForm", "", 0))) << "the cover is gone";
  ASSERT_TRUE(run.NoteDestroy(main, pluginLog));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, run.ExitCode());
  EXPECT_EQ((std::vector<std::string>{"WMV_Init", "Real_CreateEncoderHandle", "destroyed TMainForm", "WMV_Uninit",
                                      "wmvenc unloaded", "Real_FreeEncoderHandle", "rmenc unloaded"}),
            ReadLines(pluginLog));
  // The main window wrote what it remembers.
  const std::vector<std::string> settings = ReadLines(folder + "LastSettings.ini");
  EXPECT_NE(settings.end(), std::find(settings.begin(), settings.end(), "PreviewMovie=1"));
  EXPECT_NE(settings.end(), std::find_if(settings.begin(), settings.end(), [](const std::string& line) {
              return line.rfind("OutputFolder=", 0) == 0 && line.size() > 11 &&
                     line.compare(line.size() - 11, 11, "\\My Videos\\") == 0;
            }));
  EXPECT_TRUE(run.ActionsLog().empty()) << "no box, no other action";
}

}  // namespace
