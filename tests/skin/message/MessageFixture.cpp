#include "MessageFixture.h"

#include "classlib/runtime/FileUtils.h"
#include "window_support.h"

namespace skinmessage {

std::unique_ptr<TspSkinData> LoadShippedSkin() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(ExtractFilePath(path) + "Skin\\Quorin\\Skin.ini");
  return skin;
}

std::vector<TColor> IconPixels(HICON icon) {
  TBitmap bitmap;
  bitmap.SetSize(32, 32);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(TRect{0, 0, 32, 32});
  DrawIconEx(bitmap.Canvas()->Handle(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  std::vector<TColor> pixels;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  }
  return pixels;
}

std::unique_ptr<TCustomImageList> OneIconList(int size, LPCSTR standardIcon) {
  auto images = std::make_unique<TCustomImageList>(nullptr);
  images->SetSize(size, size);
  TIcon icon;
  icon.SetHandle(CopyIcon(LoadIconA(nullptr, standardIcon)));
  images->AddIcon(&icon);
  return images;
}

TspMessageRequest OverwriteRequest(const TMsgDlgButtons& buttons) {
  TspMessageRequest request;
  request.Text = "Do you want to overwrite old file?";
  request.Type = mtWarning;
  request.Buttons = buttons;
  return request;
}

int MessageTest::Answer(const std::function<int()>& show, const std::function<void(TspMessageForm*)>& action) {
  auto watch = testsupport::OnNextModal<TspMessageForm>([&](TspMessageForm* form) {
    form->Update();
    SetForegroundWindow(form->Handle());
    testsupport::ServeApplication(30);
    action(form);
    if (form->ModalResult() == mrNone) form->SetModalResult(kLeftOpen);
  });
  return show();
}

}  // namespace skinmessage
