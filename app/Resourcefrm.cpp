#include "app/Resourcefrm.h"

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Application.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Decodermodemap.h"
#include "engine/Encoderwrappers.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

TResourceForm* ResourceForm = nullptr;

namespace {

// The first WMV audio codec of one of these names gives the audio formats.
const char* const kPreferredWMVAudioCodecs[] = {
    "Windows Media Audio 10.0", "Windows Media Audio 10.1", "Windows Media Audio 10.2", "Windows Media Audio 10.3",
    "Windows Media Audio 10.4", "Windows Media Audio 10.5", "Windows Media Audio 10.6", "Windows Media Audio 10.7",
    "Windows Media Audio 10.8", "Windows Media Audio 10.9", "Windows Media Audio 10",   "Windows Media Audio 9.0",
    "Windows Media Audio 9.1",  "Windows Media Audio 9.2",  "Windows Media Audio 9.3",  "Windows Media Audio 9.4",
    "Windows Media Audio 9.5",  "Windows Media Audio 9.6",  "Windows Media Audio 9.7",  "Windows Media Audio 9.8",
    "Windows Media Audio 9.9",  "Windows Media Audio 9",    "Windows Media Audio 8",    "Windows Media Audio 8.0",
    "Windows Media Audio 8.1",  "Windows Media Audio 8.2",  "Windows Media Audio 8.3",  "Windows Media Audio 8.4",
    "Windows Media Audio 8.5",  "Windows Media Audio 8.6",  "Windows Media Audio 8.7",  "Windows Media Audio 8.8",
    "Windows Media Audio 8.9"};

bool IsPreferredWMVAudioCodec(const AnsiString& name) {
  for (const char* preferred : kPreferredWMVAudioCodecs) {
    if (name == preferred) return true;
  }
  return false;
}

// A name read from a plug-in into a buffer of the plug-in contract's size.
template <class Read>
AnsiString PluginName(Read read) {
  char name[kPluginNameBufferSize] = {};
  read(name);
  name[kPluginNameBufferSize - 1] = '\0';
  return AnsiString(name);
}

void SelectFirstItem(TComboBox* list) {
  if (list->Items()->Count() > 0) list->SetItemIndex(0);
}

}  // namespace

TResourceForm::TResourceForm(TComponent* owner) : TForm(owner) {
  ReadFormResource(this, StaticClass());
  profileManager_ = std::make_unique<TProfileManager>(ExecutableFolder() + EnvLoader.ProfilePath);
  plugins_ = std::make_unique<TEncoderPlugins>();
}

TResourceForm::~TResourceForm() {
  profileManager_.reset();
  plugins_.reset();
  if (ResourceForm == this) ResourceForm = nullptr;
}

void TResourceForm::LoadSkin(TspSkinData* skin, const AnsiString& fileName) {
  // A damaged skin is reported; the program goes on with the skin it had (none at first),
  // and its windows draw their default looks.
  try {
    skin->LoadFromFile(ExecutableFolder() + EnvLoader.SkinPath + fileName);
  } catch (const Exception&) {
    Application->HandleException(this);
  }
}

void TResourceForm::LoadMainSkin() { LoadSkin(MainSkinData, "MainSkin.ini"); }

void TResourceForm::LoadFormSkin() { LoadSkin(FormSkinData, "Skin.ini"); }

void TResourceForm::LoadProfiles() {
  profileManager_->LoadProfiles();
  DecoderModeMap.LoadFromFile(ExecutableFolder() + "\\DecoderMode.cfg");
  LoadWMVSystemProfiles();
  LoadWMVAudioFormats();
  LoadRealAudioFormats();
}

void TResourceForm::LoadWMVSystemProfiles() {
  WM9EncoderDllWarper* wmv = WMVEncoder();
  if (wmv == nullptr) return;
  const int count = wmv->GetUseSystemProfileCount();
  for (int i = 0; i < count; ++i) {
    cbSystemProfile->Items()->Add(PluginName([&](char* name) { wmv->GetUseSystemProfileName(i, name); }));
  }
  SelectFirstItem(cbSystemProfile);
}

void TResourceForm::LoadWMVAudioFormats() {
  WM9EncoderDllWarper* wmv = WMVEncoder();
  if (wmv == nullptr) return;
  int codec = 0;
  const int codecs = wmv->GetAudioCodecCount();
  for (int i = 0; i < codecs; ++i) {
    if (IsPreferredWMVAudioCodec(PluginName([&](char* name) { wmv->GetAudioCodecName(i, name); }))) {
      codec = i;
      break;
    }
  }
  const int formats = wmv->GetAudioFormatCount(codec);
  for (int i = 0; i < formats; ++i) {
    const AnsiString format = PluginName([&](char* name) { wmv->GetAudioFormat(codec, i, name); });
    cbWMVAudioFormat->Items()->Add(Trim(format));
  }
  SelectFirstItem(cbWMVAudioFormat);
}

void TResourceForm::LoadRealAudioFormats() {
  RealEncoderDllWarper* real = RealEncoder();
  if (real == nullptr) return;
  const int codecs = real->GetAudioCodecCount();
  for (int i = 0; i < codecs; ++i) {
    const AnsiString name = PluginName([&](char* text) { real->GetAudioCodecName(i, text); });
    if (name.Pos("(voice)") > 0 || name.Pos("Multichannel") > 0) continue;
    // The codec's index travels as the item's object.
    cbRealAudioFormat->Items()->AddObject(Trim(ReplaceText(name, "(music)", "")),
                                          reinterpret_cast<TObject*>(static_cast<intptr_t>(i)));
  }
  SelectFirstItem(cbRealAudioFormat);
}

AnsiString TResourceForm::ReplaceText(const AnsiString& text, const AnsiString& pattern,
                                      const AnsiString& replacement) {
  return ReplaceFirst(text, pattern, replacement);
}

void RegisterResourceForm() {
  RegisterFormClass(TResourceForm::StaticClass(), {},
                    {Field("MainSkinData", &TResourceForm::MainSkinData),
                     Field("FormSkinData", &TResourceForm::FormSkinData),
                     Field("cbWMVAudioFormat", &TResourceForm::cbWMVAudioFormat),
                     Field("cbSystemProfile", &TResourceForm::cbSystemProfile),
                     Field("cbRealAudioFormat", &TResourceForm::cbRealAudioFormat)});
}
