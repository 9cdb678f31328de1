#pragma once
#include <memory>

#include "classlib/stdctrls/ComboBox.h"
#include "classlib/windowing/Forms.h"
#include "engine/Encoderwrappers.h"
#include "engine/Profilemanager.h"
#include "engine/Realencoderdllwarper.h"
#include "engine/Wmvencoderdllwarper.h"
#include "skin/data/Skindata.h"

// What every window shares, held by one form that is never shown: the main window's and
// the dialogs' skins, the profile manager, the WMV and RealMedia encoder plug-ins and the
// lists of their format names. It lives from start-up to the end of the run as
// "ResourceForm", so forms that name its skins in their resources must come after it.
class TResourceForm : public TForm {
  CLASSLIB_CLASS(TResourceForm, TForm)
 public:
  explicit TResourceForm(TComponent* owner);
  ~TResourceForm() override;

  // The three loading steps of start-up, in this order.
  void LoadMainSkin();
  void LoadFormSkin();
  void LoadProfiles();

  // `text` with the first `pattern` replaced (unchanged without one).
  static AnsiString ReplaceText(const AnsiString& text, const AnsiString& pattern, const AnsiString& replacement);

  // Fill the three format lists from the plug-ins (LoadProfiles calls them).
  void LoadWMVSystemProfiles();
  void LoadWMVAudioFormats();
  void LoadRealAudioFormats();

  TProfileManager* ProfileManager() const { return profileManager_.get(); }
  // The plug-in wrappers, or null when a plug-in is unusable (decided once, at creation).
  WM9EncoderDllWarper* WMVEncoder() const { return plugins_->WMV(); }
  RealEncoderDllWarper* RealEncoder() const { return plugins_->Real(); }

  // The main window's skin ("MainSkin.ini") and the dialogs' skin ("Skin.ini").
  TspSkinData* MainSkinData = nullptr;
  TspSkinData* FormSkinData = nullptr;
  // String lists for other windows to copy: the WMV audio formats, the WMV system
  // profiles, and the RealAudio codecs with each codec's index as the item's object.
  TComboBox* cbWMVAudioFormat = nullptr;
  TComboBox* cbSystemProfile = nullptr;
  TComboBox* cbRealAudioFormat = nullptr;

 private:
  void LoadSkin(TspSkinData* skin, const AnsiString& fileName);

  std::unique_ptr<TProfileManager> profileManager_;
  std::unique_ptr<TEncoderPlugins> plugins_;
};

// The one resource holder, from start-up to the end of the run (null before and after).
extern TResourceForm* ResourceForm;

// Registers the holder's form class for its form resource.
void RegisterResourceForm();
