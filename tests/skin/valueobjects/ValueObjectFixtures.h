#pragma once
// The form skin of FormObjectFixtures.h with a fourth active picture, "strip.bmp": frames
// of flat, distinct colours, so a captured pixel tells which frame or face is shown.
//   rows 0..10:   11 frames of 10 x 10, frame i (from 1) in FrameColour(i);
//   rows 10..60:  11 frames of 50 x 50 in the same colours;
//   rows 60..70:  the down face (0..10), the inactive face (10..20), a track-bar button
//                 (20..28 x 60..68) and its dragged face (30..38 x 60..68);
//   rows 70..130: the fill colour of track bars and gauges.
#include <string>
#include <vector>

#include "../form/FormObjectFixtures.h"

namespace valueobjects {

constexpr int kStripPicture = 3;
const TRect kSmallFrames{0, 0, 110, 10};
const TRect kLargeFrames{0, 10, 550, 60};
const TRect kStripDownFace{0, 60, 10, 70};
const TRect kInactiveFace{10, 60, 20, 70};
const TRect kButtonFace{20, 60, 28, 68};
const TRect kDraggedFace{30, 60, 38, 68};
const TRect kFill{0, 70, 560, 130};

constexpr COLORREF kDownColour = RGB(255, 0, 200);
constexpr COLORREF kInactiveColour = RGB(0, 255, 200);
constexpr COLORREF kButtonColour = RGB(250, 250, 0);
constexpr COLORREF kDraggedColour = RGB(0, 0, 250);
constexpr COLORREF kFillColour = RGB(200, 100, 0);

inline COLORREF FrameColour(int frame) { return RGB(20 * frame, 250 - 20 * frame, 40); }

inline void WriteStrip(const std::string& path) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(560, 130);
  TCanvas* c = bitmap.Canvas();
  auto fill = [c](const TRect& r, COLORREF colour) {
    c->Brush()->SetColor(static_cast<TColor>(colour));
    c->FillRect(r);
  };
  fill(Rect(0, 0, 560, 130), RGB(0, 0, 0));
  for (int i = 1; i <= 11; ++i) {
    fill(Rect(10 * (i - 1), 0, 10 * i, 10), FrameColour(i));
    fill(Rect(50 * (i - 1), 10, 50 * i, 60), FrameColour(i));
  }
  fill(kStripDownFace, kDownColour);
  fill(kInactiveFace, kInactiveColour);
  fill(kButtonFace, kButtonColour);
  fill(kDraggedFace, kDraggedColour);
  fill(kFill, kFillColour);
  bitmap.SaveToFile(path.c_str());
}

// The skin data of the form skin with `objects`, the strip and the `overrides`, written
// and loaded once per test program (see formobjects::SharedSkins).
inline TspSkinData* StripSkinData(const std::string& name, const std::vector<formobjects::TObjectEntry>& objects,
                                  std::map<std::string, std::string> overrides = {}) {
  std::unique_ptr<TspSkinData>& skin = formobjects::SharedSkins()[name];
  if (skin == nullptr) {
    overrides["PICTURES/activepicturescount"] = "4";
    overrides["PICTURES/3"] = "strip.bmp";
    const std::string path = formobjects::WriteObjectSkin(name, objects, overrides);
    WriteStrip(std::string(ExtractFilePath(path.c_str()).c_str()) + "strip.bmp");
    skin = std::make_unique<TspSkinData>(nullptr);
    skin->LoadFromFile(path.c_str());
  }
  return skin.get();
}

// An object entry whose faces lie in the strip.
inline formobjects::TObjectEntry StripObject(const std::string& name, const std::string& type, const TRect& rect,
                                             std::map<std::string, std::string> keys) {
  keys["skinrect"] = formobjects::RectText(rect);
  keys["activepictureindex"] = std::to_string(kStripPicture);
  return {name, type, keys};
}

// The value events of a form component as lines: "track Volume 50", "regulator Knob 10".
class TValueEvents : public TObject {
 public:
  explicit TValueEvents(TspFormSkinner* skinner) {
    skinner->OnTrackBarChangeValueEvent = TspTrackBarChangeValueEvent(this, &TValueEvents::Track);
    skinner->OnFrameRegulatorChangeValueEvent = TspFrameRegulatorChangeValueEvent(this, &TValueEvents::Regulator);
  }
  std::vector<std::string> lines;

 private:
  void Track(const AnsiString& name, int value) {
    lines.push_back("track " + std::string(name.c_str()) + " " + std::to_string(value));
  }
  void Regulator(const AnsiString& name, int value) {
    lines.push_back("regulator " + std::string(name.c_str()) + " " + std::to_string(value));
  }
};

}  // namespace valueobjects
