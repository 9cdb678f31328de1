#pragma once
// The skinned message box under test: requests built by hand, dialogs built without being
// shown, boxes shown modally and answered by an action, and the shipped dialog skin.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_StdLabel.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Skinmessage.h"

namespace skinmessage {

// The answer of a box that the action left open (the helper ends it with this).
constexpr int kLeftOpen = -1;

// "Skin.ini" of the shipped skins, loaded freshly (a test may change its looks).
std::unique_ptr<TspSkinData> LoadShippedSkin();

// The 32 x 32 pixels an icon draws on white.
std::vector<TColor> IconPixels(HICON icon);

// An image list of `size` x `size` pictures holding one standard icon.
std::unique_ptr<TCustomImageList> OneIconList(int size, LPCSTR standardIcon);

// A request of the warning type with the text the skin's file dialogs ask.
TspMessageRequest OverwriteRequest(const TMsgDlgButtons& buttons);

class MessageTest : public ::testing::Test {
 protected:
  // Builds the dialog of `request` with `message`.
  std::unique_ptr<TspMessageForm> Build(const TspMessageRequest& request) { return message.BuildDialog(request); }
  static TspSkinButton* ButtonOf(TCustomForm* form, const char* name) {
    return dynamic_cast<TspSkinButton*>(form->FindComponent(name));
  }
  // Runs `show` (which shows a box of `message` modally) and, once the box is up and in
  // the foreground, `action` on it; a box the action leaves open is ended with kLeftOpen.
  int Answer(const std::function<int()>& show, const std::function<void(TspMessageForm*)>& action);

  TspSkinMessage message{nullptr};
};

}  // namespace skinmessage
