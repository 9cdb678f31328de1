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
  CreateWMVEncoder();
  CreateRealEncoder();
  SetEncoderWrappers(wmvEncoder_.get(), realEncoder_.get());
}

TResourceForm::~TResourceForm() {
  SetEncoderWrappers(nullptr, nullptr);
  profileManager_.reset();
  FreeWMVEncoder();
  realEncoder_.reset();
  if (ResourceForm == this) ResourceForm = nullptr;
}

void TResourceForm::CreateWMVEncoder() {
  wmvEncoder_ = std::make_unique<WM9EncoderDllWarper>();
  if (!wmvEncoder_->Init()) FreeWMVEncoder();
}

void TResourceForm::FreeWMVEncoder() {
  if (wmvEncoder_ == nullptr) return;
  wmvEncoder_->Uninit();
  wmvEncoder_.reset();
}

void TResourceForm::CreateRealEncoder() {
  realEncoder_ = std::make_unique<RealEncoderDllWarper>();
  if (realEncoder_->IsUsable()) realEncoder_->ResetHandle();
  else realEncoder_.reset();
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
  if (wmvEncoder_ == nullptr) return;
  const int count = wmvEncoder_->GetUseSystemProfileCount();
  for (int i = 0; i < count; ++i) {
    cbSystemProfile->Items()->Add(PluginName([&](char* name) { wmvEncoder_->GetUseSystemProfileName(i, name); }));
  }
  SelectFirstItem(cbSystemProfile);
}

void TResourceForm::LoadWMVAudioFormats() {
  if (wmvEncoder_ == nullptr) return;
  int codec = 0;
  const int codecs = wmvEncoder_->GetAudioCodecCount();
  for (int i = 0; i < codecs; ++i) {
    if (IsPreferredWMVAudioCodec(PluginName([&](char* name) { wmvEncoder_->GetAudioCodecName(i, name); }))) {
      codec = i;
      break;
    }
  }
  const int formats = wmvEncoder_->GetAudioFormatCount(codec);
  for (int i = 0; i < formats; ++i) {
    const AnsiString format = PluginName([&](char* name) { wmvEncoder_->GetAudioFormat(codec, i, name); });
    cbWMVAudioFormat->Items()->Add(Trim(format));
  }
  SelectFirstItem(cbWMVAudioFormat);
}

void TResourceForm::LoadRealAudioFormats() {
  if (realEncoder_ == nullptr) return;
  const int codecs = realEncoder_->GetAudioCodecCount();
  for (int i = 0; i < codecs; ++i) {
    const AnsiString name = PluginName([&](char* text) { realEncoder_->GetAudioCodecName(i, text); });
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
