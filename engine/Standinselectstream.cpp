#include "engine/Standinselectstream.h"

#include <cstdio>

#include "engine/Videoinforeader.h"

TStreamComboBox::TStreamComboBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 360, 200); }

void TStreamComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
}

void TStreamComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  for (const AnsiString& item : items_) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TStreamComboBox::AddItem(const AnsiString& text) {
  items_.push_back(text);
  if (HandleAllocated()) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int TStreamComboBox::GetItemIndex() {
  if (HandleAllocated()) itemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TStreamComboBox::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

namespace {

AnsiString VideoLine(int number, const VideoStreamInfo& stream) {
  char line[256];
  std::snprintf(line, sizeof line, "Video Stream %d : %d x %d (%d : %d), %.3f fps, Video Codec: %s", number,
                stream.Width, stream.Height, stream.AspectNumerator, stream.AspectDenominator, stream.FrameRate,
                stream.CodecName);
  return line;
}

AnsiString AudioLine(int number, const AudioStreamInfo& stream) {
  char line[256];
  std::snprintf(line, sizeof line, "Audio Stream %d : %d Hz, %d channels, Audio Codec: %s", number,
                stream.SampleRate, stream.Channels, stream.CodecName);
  return line;
}

TStreamComboBox* NewStreamList(TSelectStreamForm* form, int top) {
  auto* list = new TStreamComboBox(form);
  list->SetParent(form);
  list->SetBounds(12, top, 460, 200);
  return list;
}

}  // namespace

TSelectStreamForm::TSelectStreamForm(TComponent* owner, const TVideoInfoReader* reader)
    : TForm(owner, CreateNew), cbVideoStream(NewStreamList(this, 12)), cbAudioStream(NewStreamList(this, 48)) {
  SetCaption(AnsiString(kCaption) + ": " + reader->GetFileName());
  SetHint(reader->GetFileName());
  SetBounds(100, 100, 500, 120);
  for (int i = 0; i < reader->GetVideoStreamCount(); ++i) cbVideoStream->AddItem(VideoLine(i + 1, reader->GetVideoStream(i)));
  for (int i = 0; i < reader->GetAudioStreamCount(); ++i) cbAudioStream->AddItem(AudioLine(i + 1, reader->GetAudioStream(i)));
  cbVideoStream->SetItemIndex(0);
  cbAudioStream->SetItemIndex(0);
}
