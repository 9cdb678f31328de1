// The stream choice after a probe: the settings' "MultiStreamsMethod" and the stand-in
// stream dialog, answered from a timer of the window thread as a user would.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/Convertjob.h"
#include "engine/Quorinvcenvloader.h"
#include "tests/engine/conversion/ConversionTestSupport.h"

using namespace conversiontest;

namespace {

// The settings file of these tests, beside the test program.
class TSettingsScope {
 public:
  explicit TSettingsScope(const char* contents) : previous_(EnvLoader.ConfigFile) {
    EnvLoader.ConfigFile = ".\\stream-choice-settings.ini";
    std::ofstream(".\\stream-choice-settings.ini") << contents;
  }
  ~TSettingsScope() { EnvLoader.ConfigFile = previous_; }

 private:
  AnsiString previous_;
};

// What the user does in the dialog: picks `audioIndex` (the video list is left as shown)
// and closes it. Notes the lines of the two lists.
struct TDialogAnswer {
  int audioIndex = 0;
  int dialogsSeen = 0;
  std::vector<std::string> videoLines;
  std::vector<std::string> audioLines;
};
TDialogAnswer* Answer = nullptr;

std::vector<std::string> Lines(HWND list) {
  std::vector<std::string> lines;
  const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    lines.emplace_back(text);
  }
  return lines;
}

// The two lists of the dialog, top one first.
std::pair<HWND, HWND> StreamLists(HWND dialog) {
  HWND first = FindWindowExA(dialog, nullptr, "TStreamComboBox", nullptr);
  HWND second = FindWindowExA(dialog, first, "TStreamComboBox", nullptr);
  RECT a{}, b{};
  GetWindowRect(first, &a);
  GetWindowRect(second, &b);
  return a.top < b.top ? std::pair{first, second} : std::pair{second, first};
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowA("TSelectStreamForm", nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog) || Answer == nullptr) return;
  ++Answer->dialogsSeen;
  const auto [video, audio] = StreamLists(dialog);
  Answer->videoLines = Lines(video);
  Answer->audioLines = Lines(audio);
  SendMessageA(audio, CB_SETCURSEL, static_cast<WPARAM>(Answer->audioIndex), 0);
  PostMessageA(dialog, WM_CLOSE, 0, 0);
}

// Probes `source` while a timer answers any stream dialog with `answer`.
void ProbeAnswering(TConvertJob& job, TDialogAnswer& answer) {
  Answer = &answer;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &AnswerDialog);
  EXPECT_TRUE(job.Probe());
  KillTimer(nullptr, timer);
  Answer = nullptr;
}

TEST(StreamChoice, TheDialogChoiceBecomesTheJobsStreams) {
  const TSettingsScope settings("[LastSettings]\nMultiStreamsMethod=1\n");
  TConvertJob job(MediaPath("two_streams.mkv").c_str());
  TDialogAnswer answer;
  answer.audioIndex = 1;
  ProbeAnswering(job, answer);
  EXPECT_EQ(answer.dialogsSeen, 1);
  EXPECT_EQ(job.VideoStream, 0);
  EXPECT_EQ(job.AudioStream, 1);
  EXPECT_EQ(job.ChosenAudioStream(), 1);
  const std::vector<std::string> videoLines{
      "Video Stream 1 : 320 x 240 (0 : 1), 25.000 fps, Video Codec: mpeg4",
      "Video Stream 2 : 176 x 144 (0 : 1), 25.000 fps, Video Codec: h264"};
  const std::vector<std::string> audioLines{"Audio Stream 1 : 44100 Hz, 1 channels, Audio Codec: mpeg4aac",
                                            "Audio Stream 2 : 22050 Hz, 1 channels, Audio Codec: mp3"};
  EXPECT_EQ(answer.videoLines, videoLines);
  EXPECT_EQ(answer.audioLines, audioLines);
}

TEST(StreamChoice, NoSelectionIsStoredButStreamZeroIsUsed) {
  const TSettingsScope settings("[LastSettings]\nMultiStreamsMethod=1\n");
  TConvertJob job(MediaPath("two_streams.mkv").c_str());
  TDialogAnswer answer;
  answer.audioIndex = -1;
  ProbeAnswering(job, answer);
  EXPECT_EQ(job.AudioStream, -1);
  EXPECT_EQ(job.ChosenAudioStream(), 0);
  job.AudioStream = 7;
  EXPECT_EQ(job.ChosenAudioStream(), 0);
}

TEST(StreamChoice, WithoutTheSettingNoDialogAndTheFirstStreams) {
  for (const char* contents : {"[LastSettings]\nMultiStreamsMethod=0\n", ""}) {
    const TSettingsScope settings(contents);
    TConvertJob job(MediaPath("two_streams.mkv").c_str());
    job.VideoStream = 1;
    job.AudioStream = 1;
    TDialogAnswer answer;
    ProbeAnswering(job, answer);
    EXPECT_EQ(answer.dialogsSeen, 0);
    EXPECT_EQ(job.VideoStream, 0);
    EXPECT_EQ(job.AudioStream, 0);
  }
}

TEST(StreamChoice, AFailedProbeOrSingleStreamsLeaveTheIndexes) {
  const TSettingsScope settings("[LastSettings]\nMultiStreamsMethod=1\n");
  for (const char* source : {"bars_mpeg4_mp3.avi", "bars_mpeg4_mp3.avi.probe"}) {
    TConvertJob job(MediaPath(source).c_str());
    job.VideoStream = 3;
    job.AudioStream = 2;
    TDialogAnswer answer;
    Answer = &answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &AnswerDialog);
    job.Probe();
    KillTimer(nullptr, timer);
    Answer = nullptr;
    EXPECT_EQ(answer.dialogsSeen, 0);
    EXPECT_EQ(job.VideoStream, 3);
    EXPECT_EQ(job.AudioStream, 2);
  }
}

}  // namespace
