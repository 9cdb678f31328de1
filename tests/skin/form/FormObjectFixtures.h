#pragma once
// Skins with skin objects on the 200 x 150 form skin of FormSkinFixtures.h, a recorder of
// the component's object events, and real pointer input in screen coordinates.
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "FormSkinFixtures.h"
#include "classlib/graphics/Colors.h"

namespace formobjects {

// Faces in the test skin's active picture 0 (64 x 48, pixel (x, y) = RGB(2x, 2y, 105)),
// each of the size of a button object (16 x 12).
const TRect kActiveFace{0, 0, 16, 12};
const TRect kDownFace{16, 0, 32, 12};
const TRect kDisabledFace{32, 0, 48, 12};
// Caption-button faces in active picture 1 (32 x 32, pixel (x, y) = RGB(2x, 2y, 135)).
const TRect kCloseFace{0, 0, 10, 10};
const TRect kMaxFace{10, 0, 20, 10};
const TRect kMinFace{20, 0, 30, 10};
const TRect kRestoreFace{0, 10, 10, 20};

// The colour of pixel (x, y) of an active picture of the test skin.
inline COLORREF ActivePixel(int picture, int x, int y) {
  return ColorToRGB(skintest::PictureColour(static_cast<skintest::TPictureId>(skintest::piActive0 + picture), x, y));
}

// What the face `face` of active picture `picture` shows at (dx, dy) within it.
inline COLORREF FacePixel(int picture, const TRect& face, int dx, int dy) {
  return ActivePixel(picture, face.Left + dx, face.Top + dy);
}

inline std::string RectText(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

// One skin object: its section, type word and keys.
struct TObjectEntry {
  std::string name;
  std::string type;
  std::map<std::string, std::string> keys;
};

// A push button at `rect` of the form picture with the active, down and disabled faces.
inline TObjectEntry Button(const std::string& name, const TRect& rect, int groupIndex = -1) {
  return {name,
          "button",
          {{"skinrect", RectText(rect)},
           {"activepictureindex", "0"},
           {"activeskinrect", RectText(kActiveFace)},
           {"downrect", RectText(kDownFace)},
           {"disableskinrsect", RectText(kDisabledFace)},
           {"groupindex", std::to_string(groupIndex)}}};
}

// A caption button of `command` whose faces lie in active picture 1.
inline TObjectEntry CaptionButton(const std::string& name, const std::string& command, const TRect& face) {
  TObjectEntry entry{name,
                     "stdbutton",
                     {{"skinrect", RectText(face)},
                      {"skinrectinapicture", "1"},
                      {"activepictureindex", "1"},
                      {"command", command}}};
  if (command == "cmmaximize") entry.keys["restorerect"] = RectText(kRestoreFace);
  return entry;
}

// The form skin with `objects` (in this order) and the FORMINFO `overrides`.
inline std::string WriteObjectSkin(const std::string& name, const std::vector<TObjectEntry>& objects,
                                   std::map<std::string, std::string> overrides = {}) {
  overrides["SKINOBJECTS/count"] = std::to_string(objects.size());
  for (size_t i = 0; i < objects.size(); ++i) {
    const TObjectEntry& o = objects[i];
    overrides["SKINOBJECTS/" + std::to_string(i)] = o.name + ":" + o.type;
    for (const auto& [key, value] : o.keys) overrides[o.name + "/" + key] = value;
  }
  return formskin::WriteFormSkin(name, overrides);
}

// The skins of a test program, each written and loaded once (that takes seconds); a
// suite clears them in TearDownTestSuite, after its forms are gone.
inline std::map<std::string, std::unique_ptr<TspSkinData>>& SharedSkins() {
  static std::map<std::string, std::unique_ptr<TspSkinData>> skins;
  return skins;
}

// The skin data loaded from WriteObjectSkin(name, objects, overrides), made on first use.
inline TspSkinData* SharedSkinData(const std::string& name, const std::vector<TObjectEntry>& objects,
                                   const std::map<std::string, std::string>& overrides = {}) {
  std::unique_ptr<TspSkinData>& skin = SharedSkins()[name];
  if (skin == nullptr) {
    skin = std::make_unique<TspSkinData>(nullptr);
    skin->LoadFromFile(WriteObjectSkin(name, objects, overrides).c_str());
  }
  return skin.get();
}

// The component's object events as lines: "up PlayBtn 25,9 20,5,36,17 0", "enter X", ...
class TObjectEvents : public TObject {
 public:
  explicit TObjectEvents(TspFormSkinner* skinner) {
    skinner->OnMouseDownEvent = TspMouseDownEvent(this, &TObjectEvents::Down);
    skinner->OnMouseUpEvent = TspMouseUpEvent(this, &TObjectEvents::Up);
    skinner->OnMouseEnterEvent = TspMouseEnterEvent(this, &TObjectEvents::Enter);
    skinner->OnMouseLeaveEvent = TspMouseLeaveEvent(this, &TObjectEvents::Leave);
    skinner->OnSwitchChangeStateEvent = TspSwitchChangeStateEvent(this, &TObjectEvents::Switch);
  }
  std::vector<std::string> lines;

 private:
  static std::string Where(int x, int y, const TRect& r, TMouseButton button) {
    return " " + std::to_string(x) + "," + std::to_string(y) + " " + RectText(r) + " " + std::to_string(button);
  }
  void Down(const AnsiString& name, int x, int y, const TRect& r, TMouseButton button) {
    lines.push_back("down " + std::string(name.c_str()) + Where(x, y, r, button));
  }
  void Up(const AnsiString& name, int x, int y, const TRect& r, TMouseButton button) {
    lines.push_back("up " + std::string(name.c_str()) + Where(x, y, r, button));
  }
  void Enter(const AnsiString& name) { lines.push_back("enter " + std::string(name.c_str())); }
  void Leave(const AnsiString& name) { lines.push_back("leave " + std::string(name.c_str())); }
  void Switch(const AnsiString& name, TSwitchState state) {
    lines.push_back("switch " + std::string(name.c_str()) + " " + std::to_string(state));
  }
};

// Real pointer input at screen points, served after each step.
inline void CursorTo(int x, int y) {
  SetCursorPos(x, y);
  testsupport::ServeApplication(40);
}

inline void LeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(input));
  testsupport::ServeApplication(60);
}

// The screen point of a point of the window (frame included).
inline POINT WindowPoint(TWinControl* control, int x, int y) {
  RECT r{};
  GetWindowRect(control->Handle(), &r);
  return POINT{r.left + x, r.top + y};
}

inline void ClickWindowPoint(TWinControl* control, int x, int y) {
  const POINT p = WindowPoint(control, x, y);
  CursorTo(p.x, p.y);
  LeftButton(true);
  LeftButton(false);
}

// Presses the left button at the screen point `start`; the platform's move or size loop
// runs inside the press, so another thread moves the pointer by (dx, dy) in four steps
// and releases it. Serves the queue until `done` answers true.
inline void DragInPlatformLoop(POINT start, int dx, int dy, const std::function<bool()>& done) {
  CursorTo(start.x, start.y);
  std::thread user([start, dx, dy] {
    for (int step = 1; step <= 4; ++step) {
      Sleep(60);
      SetCursorPos(start.x + dx * step / 4, start.y + dy * step / 4);
    }
    Sleep(60);
    INPUT up{};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &up, sizeof(up));
  });
  LeftButton(true);
  testsupport::ServeUntil(done, 3000);
  user.join();
}

}  // namespace formobjects
