#include "window_support.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>

#include "classlib/windowing/Screen.h"

namespace testsupport {
namespace {

HWND WindowOf(TControl* control, TPoint& offset) {
  offset = Point(0, 0);
  TControl* c = control;
  while (c && !dynamic_cast<TWinControl*>(c)) {
    offset.X += c->Left();
    offset.Y += c->Top();
    c = c->Parent();
  }
  return c ? static_cast<TWinControl*>(c)->Handle() : nullptr;
}

void Send(INPUT input) {
  SendInput(1, &input, sizeof input);
}

void Key(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  Send(input);
}

void MouseButton(TMouseButton button, bool down) {
  static const DWORD flags[3][2] = {{MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN},
                                    {MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN},
                                    {MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_MIDDLEDOWN}};
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags[button][down ? 1 : 0];
  Send(input);
}

void Modifiers(TShiftState shift, bool down) {
  static const std::pair<TShiftFlag, WORD> keys[] = {{ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}, {ssShift, VK_SHIFT}};
  for (const auto& [flag, key] : keys) {
    if (shift.Contains(flag)) Key(key, down);
  }
}

}  // namespace

void MoveMouse(TControl* control, int x, int y) {
  const TPoint at = control->ClientToScreen(Point(x, y));
  SetCursorPos(at.X, at.Y);
  ServeApplication(30);
}

void Click(TControl* control, int x, int y, TMouseButton button, TShiftState shift) {
  MoveMouse(control, x, y);
  Modifiers(shift, true);
  MouseButton(button, true);
  MouseButton(button, false);
  Modifiers(shift, false);
  ServeApplication(60);
}

void DoubleClick(TControl* control, int x, int y, TMouseButton button) {
  MoveMouse(control, x, y);
  for (int i = 0; i < 2; ++i) {
    MouseButton(button, true);
    MouseButton(button, false);
  }
  ServeApplication(60);
}

void Drag(TControl* control, int fromX, int fromY, int toX, int toY, TMouseButton button) {
  MoveMouse(control, fromX, fromY);
  MouseButton(button, true);
  ServeApplication(30);
  constexpr int steps = 4;
  for (int step = 1; step <= steps; ++step) {
    MoveMouse(control, fromX + (toX - fromX) * step / steps, fromY + (toY - fromY) * step / steps);
  }
  MouseButton(button, false);
  ServeApplication(60);
}

void DragAlong(TControl* control, const std::vector<TPoint>& path, TMouseButton button) {
  if (path.empty()) return;
  MoveMouse(control, path.front().X, path.front().Y);
  MouseButton(button, true);
  ServeApplication(30);
  for (size_t i = 1; i < path.size(); ++i) MoveMouse(control, path[i].X, path[i].Y);
  MouseButton(button, false);
  ServeApplication(60);
}

void HoldMouse(TControl* control, int x, int y, TMouseButton button) {
  MoveMouse(control, x, y);
  MouseButton(button, true);
  ServeApplication(40);
}

void ReleaseMouse(TMouseButton button) {
  MouseButton(button, false);
  ServeApplication(40);
}

void HoldKey(WORD virtualKey) {
  Key(virtualKey, true);
  ServeApplication(40);
}

void ReleaseKey(WORD virtualKey) {
  Key(virtualKey, false);
  ServeApplication(40);
}

void PressKey(WORD virtualKey, TShiftState shift) {
  Modifiers(shift, true);
  Key(virtualKey, true);
  Key(virtualKey, false);
  Modifiers(shift, false);
  ServeApplication(30);
}

void TypeText(const std::string& text) {
  for (char ch : text) {
    const SHORT scan = VkKeyScanA(ch);
    if (scan == -1) continue;
    TShiftState shift;
    if (scan & 0x100) shift << ssShift;
    PressKey(static_cast<WORD>(scan & 0xFF), shift);
  }
}

COLORREF ControlPixel(TControl* control, int x, int y) {
  TPoint offset;
  HWND window = WindowOf(control, offset);
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x + offset.X, y + offset.Y);
  ReleaseDC(window, dc);
  return pixel;
}

std::unique_ptr<TBitmap> CaptureWindow(HWND window, const TRect& rect) {
  TRect area = rect;
  if (area.Right <= area.Left || area.Bottom <= area.Top) {
    RECT r;
    GetWindowRect(window, &r);
    area = Rect(0, 0, r.right - r.left, r.bottom - r.top);
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(area.Right - area.Left, area.Bottom - area.Top);
  HDC dc = GetWindowDC(window);
  BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), dc, area.Left, area.Top, SRCCOPY);
  ReleaseDC(window, dc);
  return bitmap;
}

bool ServeUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const DWORD end = GetTickCount() + timeoutMs;
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return done();
    Application->ProcessMessages();
    Application->DoIdle();
    Sleep(2);
  }
  return true;
}

void Click(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  PumpMessages(30);
  MouseButton(mbLeft, true);
  MouseButton(mbLeft, false);
  PumpMessages(60);
}

namespace {

void AppendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, const char* type, const std::string& data) {
  AppendBigEndian(out, static_cast<uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  AppendBigEndian(out, static_cast<uint32_t>(
                           crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

// The bitmap as an 8-bit RGB PNG file's bytes; empty when compression fails.
std::string EncodePng(TBitmap& bitmap) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  std::string rows;
  rows.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
  for (int y = 0; y < height; ++y) {
    rows += '\0';  // no filter
    const auto* pixels = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < width; ++x) {
      rows += static_cast<char>(pixels[4 * x + 2]);
      rows += static_cast<char>(pixels[4 * x + 1]);
      rows += static_cast<char>(pixels[4 * x]);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::string packed(packedSize, '\0');
  if (compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(rows.data()),
               static_cast<uLong>(rows.size())) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);
  std::string header;
  AppendBigEndian(header, static_cast<uint32_t>(width));
  AppendBigEndian(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", "");
  return png;
}

// The build tree's test-output folder (beside bin\), made when missing.
std::string TestOutputFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  folder = folder.substr(0, folder.find_last_of('\\'));
  folder = folder.substr(0, folder.find_last_of('\\') + 1) + "test-output\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

std::string SaveScreenshot(HWND window, const std::string& name) {
  std::unique_ptr<TBitmap> picture = CaptureWindow(window);
  picture->SetPixelFormat(pf32bit);
  const std::string png = EncodePng(*picture);
  const std::string path = TestOutputFolder() + name + ".png";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (png.empty() || file == INVALID_HANDLE_VALUE) return {};
  DWORD written = 0;
  const bool complete = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
                        written == png.size();
  CloseHandle(file);
  return complete ? path : std::string();
}

namespace {
TModalWatch* g_modalWatch = nullptr;
constexpr UINT kModalPollMs = 20;
}  // namespace

TModalWatch::TModalWatch(TClass formClass, std::function<void(TCustomForm*)> action)
    : formClass_(formClass), action_(std::move(action)) {
  g_modalWatch = this;
  timer_ = SetTimer(nullptr, 0, kModalPollMs, &TModalWatch::Poll);
}

TModalWatch::~TModalWatch() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  g_modalWatch = nullptr;
  if (!seen_) ADD_FAILURE() << "no " << formClass_->ClassName().c_str() << " showed modally";
}

void CALLBACK TModalWatch::Poll(HWND, UINT, UINT_PTR, DWORD) {
  TModalWatch* watch = g_modalWatch;
  if (watch == nullptr || watch->seen_) return;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->Modal() && form->InheritsFrom(watch->formClass_) && form->Visible()) {
      watch->seen_ = true;
      KillTimer(nullptr, watch->timer_);
      watch->timer_ = 0;
      watch->action_(form);
      return;
    }
  }
}

TRecordedActions::TRecordedActions(std::vector<int> answers)
    : answers_(std::move(answers)), previous_(SetSystemActionHandlers(RecordingHandlers(*this))) {}

TRecordedActions::~TRecordedActions() { SetSystemActionHandlers(previous_); }

void TRecordedActions::Record(const std::vector<AnsiString>& fields) {
  std::vector<std::string> line;
  for (const AnsiString& field : fields) line.push_back(field.c_str());
  lines_.push_back(line);
}

int TRecordedActions::NextBoxAnswer(unsigned flags) {
  return next_ < answers_.size() ? answers_[next_++] : DefaultBoxAnswer(flags);
}

}  // namespace testsupport
