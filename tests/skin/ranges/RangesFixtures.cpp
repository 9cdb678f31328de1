#include "RangesFixtures.h"

#include "SkinControlsFixtures.h"
#include "window_support.h"

namespace rangetest {
namespace {

using TKeys = std::initializer_list<std::pair<const char*, const char*>>;

void SetLook(std::map<std::string, std::string>& values, const std::string& look, TKeys keys) {
  for (const auto& [key, value] : keys) values[look + "/" + key] = value;
}

// The geometry keys every resizable look has, so generated values do not leak in.
void SetFace(std::map<std::string, std::string>& values, const std::string& look, const char* picture,
             const char* skinRect, const char* rightTop, const char* leftBottom) {
  SetLook(values, look,
          {{"pictureindex", picture}, {"maskpictureindex", "-1"}, {"cursorindex", "-1"}, {"skinrect", skinRect},
           {"lefttoppoint", "0,0"}, {"righttoppoint", rightTop}, {"leftbottompoint", leftBottom},
           {"rightbottompoint", "0,0"}, {"clientrect", "0,0,0,0"}, {"leftstretch", "0"}, {"topstretch", "0"},
           {"rightstretch", "0"}, {"bottomstretch", "0"}, {"stretcheffect", "0"}, {"stretchtype", "stfull"}});
}

void SendMouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

std::string WriteRangesSkin(const std::string& folder, const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values;
  SetFace(values, "gauge", "1", "0,0,32,20", "26,0", "0,0");
  SetLook(values, "gauge",
          {{"lefttoppoint", "6,0"}, {"progressarea", "2,2,30,18"}, {"progressrect", "0,20,10,30"},
           {"beginoffset", "0"}, {"endoffset", "0"}, {"vertical", "0"}, {"progresstransparent", "0"},
           {"progressstretch", "0"}, {"progressanimationskinrect", "0,20,32,30"},
           {"progressanimationcountframes", "4"}, {"progressanimationtimerinterval", "100"},
           {"fontcolor", "0"}, {"fontheight", "14"}});
  SetFace(values, "scrollbar", "0", "0,0,64,16", "44,0", "0,0");
  SetLook(values, "scrollbar",
          {{"lefttoppoint", "16,0"}, {"trackarea", "16,0,48,16"}, {"downbuttonrect", "0,0,16,16"},
           {"upbuttonrect", "48,0,64,16"}, {"activeupbuttonrect", "0,32,16,48"}, {"downupbuttonrect", "0,0,0,0"},
           {"activedownbuttonrect", "16,32,32,48"}, {"downdownbuttonrect", "0,0,0,0"},
           {"thumbrect", "0,16,16,32"}, {"activethumbrect", "0,0,0,0"}, {"downthumbrect", "0,0,0,0"},
           {"thumboffset1", "2"}, {"thumboffset2", "2"}, {"thumbtransparent", "0"}, {"thumbstretcheffect", "0"},
           {"thumbminsize", "0"}, {"thumbminpagesize", "0"}, {"glyphrect", "0,0,0,0"},
           {"activeglyphrect", "0,0,0,0"}, {"downglyphrect", "0,0,0,0"}});
  SetFace(values, "trackbar", "0", "0,0,20,48", "0,0", "0,0");
  SetLook(values, "trackbar",
          {{"activeskinrect", "0,0,0,0"}, {"trackarea", "2,4,18,40"}, {"buttonrect", "20,0,36,8"},
           {"activebuttonrect", "0,0,0,0"}, {"vertical", "1"}, {"buttontransparent", "0"}});
  SetLook(values, "slider",
          {{"pictureindex", "1"}, {"hrulerrect", "0,0,20,6"}, {"hthumbrect", "0,10,22,30"},
           {"vrulerrect", "0,0,6,20"}, {"vthumbrect", "0,10,22,30"}, {"edgesize", "2"}, {"bgcolor", "65280"},
           {"pointscolor", "255"}});
  for (const auto& [key, value] : overrides) values[key] = value;
  return skinbases::WriteBasesSkin(folder, values);
}

std::unique_ptr<TspSkinData> LoadRangesSkin(const std::string& folder,
                                             const std::map<std::string, std::string>& overrides) {
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(WriteRangesSkin(folder, overrides).c_str());
  return skin;
}

TspSkinData* SharedRangesSkin() {
  static std::unique_ptr<TspSkinData> skin = LoadRangesSkin("ranges_shared");
  return skin.get();
}

void PressLeft(TControl* control, int x, int y) {
  testsupport::MoveMouse(control, x, y);
  SendMouseButton(MOUSEEVENTF_LEFTDOWN);
  testsupport::ServeApplication(40);
}

void ReleaseLeft() {
  SendMouseButton(MOUSEEVENTF_LEFTUP);
  testsupport::ServeApplication(40);
}

TForm* RangeTest::form = nullptr;

void RangeTest::SetUpTestSuite() {
  skinbases::RegisterTestControls();
  form = testsupport::ShowTestForm(260, 220);
}

void RangeTest::TearDownTestSuite() {
  delete form;
  form = nullptr;
}

void RangeTest::SetUp() {
  SetCursorPos(0, 0);  // no part starts hot
  testsupport::ServeApplication(20);
}

void Tick(TWinControl* control, UINT_PTR id) { SendMessageA(control->Handle(), WM_TIMER, id, 0); }

}  // namespace rangetest
