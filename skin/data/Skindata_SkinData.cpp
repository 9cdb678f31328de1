#include "skin/data/Skindata_SkinData.h"

#include <algorithm>
#include <cstdint>

#include "classlib/graphics/JPEGImage.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"
#include "skin/data/Skindata_Kinds.h"
#include "skin/data/Skindata_Stored.h"
#include "skin/data/Sputils_Geometry.h"

using namespace skinkeys;

namespace {

constexpr LPARAM kSkinMessageTag = 1000;

// FORMINFO is read in three runs: the derived values of the mask area and hit-test
// points follow the first, the clamping of the corner points the second.
const TspLookKeys<TspSkinDataContent>& FormInfoGeometryKeys() {
  using C = TspSkinDataContent;
  static const TspLookKeys<C> keys{Point("lefttoppoint", &C::LeftTopPoint),
                                   Point("righttoppoint", &C::RightTopPoint),
                                   Point("leftbottompoint", &C::LeftBottomPoint),
                                   Point("rightbottompoint", &C::RightBottomPoint),
                                   Rect("clientrect", &C::ClientRect),
                                   Integer("bgpictureindex", &C::BGPictureIndex, -1),
                                   Integer("mdibgpictureindex", &C::MDIBGPictureIndex, -1),
                                   Boolean("leftstretch", &C::LeftStretch),
                                   Boolean("rightstretch", &C::RightStretch),
                                   Boolean("topstretch", &C::TopStretch),
                                   Boolean("bottomstretch", &C::BottomStretch),
                                   Boolean("stretcheffect", &C::StretchEffect),
                                   Word("stretchtype", &C::StretchType, StretchTypeWords(), spstFull),
                                   Boolean("mdibgstretcheffect", &C::MDIBGStretchEffect),
                                   Word("mdibgstretchtype", &C::MDIBGStretchType, StretchTypeWords(), spstFull),
                                   Rect("buttonsrect", &C::ButtonsRect),
                                   Rect("captionrect", &C::CaptionRect),
                                   Integer("buttonsoffset", &C::ButtonsOffset),
                                   Boolean("buttonsinleft", &C::ButtonsInLeft),
                                   Rect("maskrectarea", &C::MaskRectArea),
                                   Point("hittestlefttoppoint", &C::HitTestLeftTopPoint),
                                   Point("hittestrighttoppoint", &C::HitTestRightTopPoint),
                                   Point("hittestleftbottompoint", &C::HitTestLeftBottomPoint),
                                   Point("hittestrightbottompoint", &C::HitTestRightBottomPoint),
                                   Point("rollupleftpoint", &C::RollUpLeftPoint),
                                   Point("rolluprightpoint", &C::RollUpRightPoint)};
  return keys;
}

const TspLookKeys<TspSkinDataContent>& FormInfoStyleKeys() {
  using C = TspSkinDataContent;
  static const TspLookKeys<C> keys{Rect("mainmenurect", &C::MainMenuRect),
                                   Rect("iconrect", &C::IconRect),
                                   Boolean("mainmenupopupup", &C::MainMenuPopupUp),
                                   Integer("borderwidth", &C::BorderWidth),
                                   Integer("formminwidth", &C::FormMinWidth),
                                   Boolean("mditabstransparent", &C::MDITabsTransparent),
                                   Boolean("mainmenubartransparent", &C::MainMenuBarTransparent),
                                   Integer("cursorindex", &C::CursorIndex, -1),
                                   Boolean("autorenderinginactiveimage", &C::AutoRenderingInActiveImage),
                                   Word("inactiveeffect", &C::InActiveEffect, InActiveEffectWords(), ieBrightness)};
  return keys;
}

const TspLookKeys<TspSkinDataContent>& FormInfoGripKeys() {
  using C = TspSkinDataContent;
  static const TspLookKeys<C> keys{Rect("sizegriparea", &C::SizeGripArea), Text("statusbarname", &C::StatusBarName)};
  return keys;
}

const TspLookKeys<TspSkinDataContent>& VersionKeys() {
  using C = TspSkinDataContent;
  static const TspLookKeys<C> keys{Text("skinname", &C::SkinName), Text("skinauthor", &C::SkinAuthor),
                                   Text("authoremail", &C::AuthorEMail), Text("authorurl", &C::AuthorURL),
                                   Text("skincomments", &C::SkinComments)};
  return keys;
}

const TspLookKeys<TspSkinDataContent>& PictureNameKeys() {
  using C = TspSkinDataContent;
  static const TspLookKeys<C> keys{Text("picture", &C::PictureName), Text("inactivepicture", &C::InActivePictureName),
                                   Text("mask", &C::MaskPictureName), Text("rolluppicture", &C::RollUpPictureName),
                                   Text("rollupmask", &C::RollUpMaskPictureName)};
  return keys;
}

// The form pictures with their names, in reading order.
std::vector<std::pair<TBitmap*, AnsiString>> FormPictures(const TspSkinDataContent& c) {
  return {{c.Picture.get(), c.PictureName},
          {c.InActivePicture.get(), c.InActivePictureName},
          {c.MaskPicture.get(), c.MaskPictureName},
          {c.RollUpPicture.get(), c.RollUpPictureName},
          {c.RollUpMaskPicture.get(), c.RollUpMaskPictureName}};
}

void DeriveMaskGeometry(TspSkinDataContent& c) {
  if (IsNullRect(c.MaskRectArea)) {
    c.MaskRectArea = c.ClientRect;
  } else {
    c.MaskRectArea = TRect{Min(c.MaskRectArea.Left, c.ClientRect.Left), Min(c.MaskRectArea.Top, c.ClientRect.Top),
                           Max(c.MaskRectArea.Right, c.ClientRect.Right),
                           Max(c.MaskRectArea.Bottom, c.ClientRect.Bottom)};
  }
  const std::pair<TPoint*, const TPoint*> points[] = {{&c.HitTestLeftTopPoint, &c.LeftTopPoint},
                                                      {&c.HitTestRightTopPoint, &c.RightTopPoint},
                                                      {&c.HitTestLeftBottomPoint, &c.LeftBottomPoint},
                                                      {&c.HitTestRightBottomPoint, &c.RightBottomPoint}};
  for (const auto& [hitTest, corner] : points) {
    if (IsNullPoint(*hitTest)) *hitTest = *corner;
  }
}

void ClampCorners(TspSkinDataContent& c) {
  const TRect& r = c.ClientRect;
  c.LeftTopPoint = TPoint{Max(c.LeftTopPoint.X, r.Left), Max(c.LeftTopPoint.Y, r.Top)};
  c.RightTopPoint = TPoint{Min(c.RightTopPoint.X, r.Right), Max(c.RightTopPoint.Y, r.Top)};
  c.LeftBottomPoint = TPoint{Max(c.LeftBottomPoint.X, r.Left), Min(c.LeftBottomPoint.Y, r.Bottom)};
  c.RightBottomPoint = TPoint{Min(c.RightBottomPoint.X, r.Right), Min(c.RightBottomPoint.Y, r.Bottom)};
}

void ReadFormInfo(TspSkinDataContent& c, TCustomIniFile* ini) {
  ReadLookKeys(c, ini, "FORMINFO", FormInfoGeometryKeys());
  if (!c.MaskPictureName.IsEmpty()) DeriveMaskGeometry(c);
  ReadLookKeys(c, ini, "FORMINFO", FormInfoStyleKeys());
  if (c.RightBottomPoint.X != c.LeftTopPoint.X && c.RightBottomPoint.Y != c.LeftTopPoint.Y) ClampCorners(c);
  ReadLookKeys(c, ini, "FORMINFO", FormInfoGripKeys());
}

// The entries of a section list, in order.
std::vector<AnsiString> ListEntries(TCustomIniFile* ini, const AnsiString& section) {
  std::vector<AnsiString> entries;
  int count = ini->ReadInteger(section, "count", 0);
  for (int i = 0; i < count; ++i) entries.push_back(ini->ReadString(section, IntToStr(i), AnsiString()));
  return entries;
}

template <class Look>
void ReadLooks(std::vector<std::unique_ptr<Look>>& list, TCustomIniFile* ini, const AnsiString& section,
               Look* (*create)(const AnsiString&, const AnsiString&)) {
  for (const AnsiString& entry : ListEntries(ini, section)) {
    AnsiString name;
    AnsiString word;
    GetObjectTypeName(entry, name, word);
    std::unique_ptr<Look> look(create(word, name));
    if (look == nullptr) continue;
    look->LoadFromFile(ini);
    list.push_back(std::move(look));
  }
}

template <class Look>
void WriteLooks(const std::vector<std::unique_ptr<Look>>& list, TCustomIniFile* ini, const AnsiString& section,
                AnsiString (*wordOf)(const Look*)) {
  ini->EraseSection(section);
  ini->WriteInteger(section, "count", static_cast<int>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    ini->WriteString(section, IntToStr(static_cast<int64_t>(i)), list[i]->IDName + ":" + wordOf(list[i].get()));
    list[i]->SaveToFile(ini);
  }
}

template <class Item>
int IndexByName(const std::vector<std::unique_ptr<Item>>& list, const AnsiString& name) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i]->IDName == name) return static_cast<int>(i);
  }
  return -1;
}

// Reads the description's names, form geometry, colours, areas and looks into `c`
// (everything but the pictures and cursors).
void ReadDescription(TspSkinDataContent& c, TCustomIniFile* ini) {
  ReadLookKeys(c, ini, "VERSION", VersionKeys());
  ReadLookKeys(c, ini, "PICTURES", PictureNameKeys());
  ReadStrings1(ini, "PICTURES", "activepictures", c.ActivePicturesNames.get());
  ReadFormInfo(c, ini);
  c.PopupWindow->LoadFromFile(ini);
  c.HintWindow->LoadFromFile(ini);
  c.SkinColors->SetColorsToDefault();
  c.SkinColors->LoadFromFile(ini);
  for (const AnsiString& entry : ListEntries(ini, "SKINAREAS")) {
    AnsiString name;
    TRect rect;
    GetAreaNameRect(entry, name, rect);
    c.AreaList.push_back(std::make_unique<TspDataSkinArea>(name, rect));
  }
  ReadLooks(c.ObjectList, ini, "SKINOBJECTS", &CreateObjectLook);
  ReadLooks(c.CtrlList, ini, "SKINCONTROLS", &CreateControlLook);
}

// A skin folder: the description, its pictures and its cursor names.
void ReadSkinFolder(TspSkinDataContent& c, TCustomIniFile* ini, const AnsiString& folder) {
  ReadDescription(c, ini);
  for (const auto& [bitmap, name] : FormPictures(c)) {
    if (!name.IsEmpty()) LoadSkinPicture(bitmap, folder + name);
  }
  for (int i = 0; i < c.ActivePicturesNames->Count(); ++i) {
    auto bitmap = std::make_unique<TBitmap>();
    LoadSkinPicture(bitmap.get(), folder + c.ActivePicturesNames->Strings(i));
    c.ActivePictures.push_back(std::move(bitmap));
  }
  c.StartCursorIndex = std::max(1, ini->ReadInteger("CURSORS", "startcursorindex", 1));
  ReadStrings1(ini, "CURSORS", "cursors", c.CursorsNames.get());
}

void ReadStoredPicture(TStream* stream, TBitmap* bitmap) {
  unsigned char empty = 0;
  stream->ReadBuffer(&empty, 1);
  if (empty != 0) return;
  bitmap->LoadFromStream(stream);
  bitmap->SetPixelFormat(pf24bit);
}

// A skin stream of layout `version` (0 to 3): picture records, active pictures, then the
// description as text.
void ReadSkinStream(TspSkinDataContent& c, TStream* stream, int32_t version) {
  ReadStoredPicture(stream, c.Picture.get());
  if (version == 2 || version == 3) ReadStoredPicture(stream, c.InActivePicture.get());
  ReadStoredPicture(stream, c.MaskPicture.get());
  if (version == 1 || version == 2) {
    ReadStoredPicture(stream, c.RollUpPicture.get());
    ReadStoredPicture(stream, c.RollUpMaskPicture.get());
  }
  int32_t count = 0;
  stream->ReadBuffer(&count, sizeof(count));
  if (count < 0) throw EReadError("Stream read error");
  for (int32_t i = 0; i < count; ++i) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromStream(stream);
    bitmap->SetPixelFormat(pf24bit);
    c.ActivePictures.push_back(std::move(bitmap));
  }
  TStringList lines;
  lines.LoadFromStream(stream);
  TMemIniFile ini("");
  ini.SetStrings(&lines);
  ReadDescription(c, &ini);
}

// Registers the skin's cursors in the screen's table from the first number on; a file
// that does not load leaves its number without a cursor.
void RegisterCursors(const TspSkinDataContent& c, const AnsiString& folder) {
  for (int i = 0; i < c.CursorsNames->Count(); ++i) {
    HCURSOR cursor = LoadCursorFromFileA((folder + c.CursorsNames->Strings(i)).c_str());
    Screen->SetCursors(c.StartCursorIndex + i, cursor);
  }
}

void SaveSkinPicture(TBitmap* bitmap, const AnsiString& fileName) {
  if (!IsJpegFile(fileName)) {
    bitmap->SaveToFile(fileName);
    return;
  }
  TJPEGImage jpeg;
  jpeg.SetCompressionQuality(TJPEGImage::kDefaultQuality);
  jpeg.Assign(bitmap);
  jpeg.SaveToFile(fileName);
}

}  // namespace

TspSkinDataContent::TspSkinDataContent()
    : SkinColors(std::make_unique<TspSkinColors>()),
      PopupWindow(std::make_unique<TspDataSkinPopupWindow>()),
      HintWindow(std::make_unique<TspDataSkinHintWindow>()),
      Picture(std::make_unique<TBitmap>()),
      InActivePicture(std::make_unique<TBitmap>()),
      MaskPicture(std::make_unique<TBitmap>()),
      RollUpPicture(std::make_unique<TBitmap>()),
      RollUpMaskPicture(std::make_unique<TBitmap>()),
      ActivePicturesNames(std::make_unique<TStringList>()),
      CursorsNames(std::make_unique<TStringList>()) {}

TspSkinDataContent::TspSkinDataContent(TspSkinDataContent&&) noexcept = default;
TspSkinDataContent& TspSkinDataContent::operator=(TspSkinDataContent&&) noexcept = default;
TspSkinDataContent::~TspSkinDataContent() = default;

TspSkinData::TspSkinData(TComponent* owner) : TComponent(owner) {}

TspSkinData::~TspSkinData() {
  Empty = true;
  ClearObjects();
}

void TspSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (!ComponentState().Contains(csLoading)) SendSkinDataMessage(WM_CHANGEFORMSKINNABLE);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* value) {
  resourceStrData_ = value;
  if (value != nullptr) value->FreeNotification(this);
  SendSkinDataMessage(WM_CHANGERESOURCESTRDATA);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* value) {
  compressedStoredSkin_ = value;
  if (value == nullptr) return;
  value->FreeNotification(this);
  LoadCompressedStoredSkin(value);
}

void TspSkinData::SetSkinList(TspCompressedSkinList* value) {
  skinList_ = value;
  if (value == nullptr) return;
  value->FreeNotification(this);
  LoadListSkin();
}

void TspSkinData::SetSkinIndex(int value) {
  if (value == skinIndex_) return;
  if (skinList_ == nullptr) {
    skinIndex_ = value;
    return;
  }
  if (value < 0 || value >= skinList_->Skins()->Count()) return;
  skinIndex_ = value;
  LoadListSkin();
}

void TspSkinData::LoadListSkin() {
  if (skinIndex_ < 0 || skinIndex_ >= skinList_->Skins()->Count()) return;
  LoadCompressedStoredSkin(skinList_->Skins()->GetItem(skinIndex_)->StoredSkin());
}

void TspSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
  if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (component == skinList_) skinList_ = nullptr;
}

void TspSkinData::LoadFromFile(const AnsiString& fileName) {
  TIniFile ini(fileName);
  if (!CheckSkinSections(&ini)) return;
  AnsiString folder = ExtractFilePath(fileName);
  TspSkinDataContent loaded;
  try {
    ReadSkinFolder(loaded, &ini, folder);
  } catch (const Exception& e) {
    throw Exception("Skin " + fileName + ": " + e.Message());
  }
  Install(std::move(loaded), folder);
}

void TspSkinData::LoadCompressedStoredSkin(TspCompressedStoredSkin* store) {
  if (store == nullptr || store->GetEmpty()) return;
  TspSkinDataContent loaded;
  loaded.StartCursorIndex = StartCursorIndex;
  try {
    TMemoryStream skinStream;
    store->DeCompressToStream(&skinStream);
    skinStream.SetPosition(0);
    int32_t version = 0;
    skinStream.ReadBuffer(&version, sizeof(version));
    if (version >= 4) return;
    ReadSkinStream(loaded, &skinStream, version);
  } catch (const Exception& e) {
    throw Exception("Compressed skin: " + e.Message());
  }
  Install(std::move(loaded), AnsiString());
}

void TspSkinData::LoadFromCompressedFile(const AnsiString& fileName) {
  TspCompressedStoredSkin store(nullptr);
  try {
    store.LoadFromCompressFile(fileName);
    LoadCompressedStoredSkin(&store);
  } catch (const Exception& e) {
    throw Exception("Skin " + fileName + ": " + e.Message());
  }
}

void TspSkinData::SaveToCompressedFile(const AnsiString& fileName) {
  TspCompressedStoredSkin store(nullptr);
  store.LoadFromSkinData(this);
  store.SaveToCompressFile(fileName);
}

void TspSkinData::Install(TspSkinDataContent&& loaded, const AnsiString& cursorFolder) {
  Empty = true;
  skinChanging_ = true;
  SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
  static_cast<TspSkinDataContent&>(*this) = std::move(loaded);
  RegisterCursors(*this, cursorFolder);
  Empty = false;
  SendSkinDataMessage(WM_CHANGESKINDATA);
  skinChanging_ = false;
  SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
}

void TspSkinData::ClearSkin() {
  ClearAll();
  SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
  SendSkinDataMessage(WM_CHANGESKINDATA);
  SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
}

void TspSkinData::ClearObjects() {
  AreaList.clear();
  ObjectList.clear();
  CtrlList.clear();
  ActivePictures.clear();
  PopupWindow->WindowPictureIndex = -1;
  HintWindow->WindowPictureIndex = -1;
  CursorsNames->Clear();
  ActivePicturesNames->Clear();
  SkinColors->SetColorsToDefault();
}

void TspSkinData::ClearAll() {
  ClearObjects();
  for (const auto& [bitmap, name] : FormPictures(*this)) bitmap->SetSize(0, 0);
  PictureName = InActivePictureName = MaskPictureName = RollUpPictureName = RollUpMaskPictureName = AnsiString();
  Empty = true;
}

void TspSkinData::SaveToFile(const AnsiString& fileName) {
  { TFileStream created(fileName, fmCreate); }
  TIniFile ini(fileName);
  SaveToCustomIniFile(&ini);
}

void TspSkinData::SaveToCustomIniFile(TCustomIniFile* ini) {
  ini->EraseSection("VERSION");
  ini->WriteInteger("VERSION", "ver", 2);
  WriteLookKeys<TspSkinDataContent>(*this, ini, "VERSION", VersionKeys());
  ini->EraseSection("PICTURES");
  WriteLookKeys<TspSkinDataContent>(*this, ini, "PICTURES", PictureNameKeys());
  WriteStrings1(ini, "PICTURES", "activepictures", ActivePicturesNames.get());
  ini->EraseSection("CURSORS");
  ini->WriteInteger("CURSORS", "startcursorindex", StartCursorIndex);
  WriteStrings1(ini, "CURSORS", "cursors", CursorsNames.get());
  ini->EraseSection("FORMINFO");
  for (const auto* keys : {&FormInfoGeometryKeys(), &FormInfoStyleKeys(), &FormInfoGripKeys()}) {
    WriteLookKeys<TspSkinDataContent>(*this, ini, "FORMINFO", *keys);
  }
  PopupWindow->SaveToFile(ini);
  HintWindow->SaveToFile(ini);
  ini->EraseSection("SKINAREAS");
  ini->WriteInteger("SKINAREAS", "count", static_cast<int>(AreaList.size()));
  for (size_t i = 0; i < AreaList.size(); ++i) {
    ini->WriteString("SKINAREAS", IntToStr(static_cast<int64_t>(i)),
                     AreaList[i]->IDName + ":" + SetRect(AreaList[i]->AreaRect));
  }
  ini->EraseSection(TspSkinColors::kSection);
  SkinColors->SaveToFile(ini);
  WriteLooks(ObjectList, ini, "SKINOBJECTS", &ObjectLookWord);
  WriteLooks(CtrlList, ini, "SKINCONTROLS", &ControlLookWord);
}

void TspSkinData::StoreToDisk(const AnsiString& folder) {
  SaveToFile(folder + "skin.ini");
  for (const auto& [bitmap, name] : FormPictures(*this)) {
    if (!bitmap->Empty()) SaveSkinPicture(bitmap, folder + name);
  }
  for (int i = 0; i < ActivePicturesNames->Count() && i < static_cast<int>(ActivePictures.size()); ++i) {
    SaveSkinPicture(ActivePictures[static_cast<size_t>(i)].get(), folder + ActivePicturesNames->Strings(i));
  }
}

int TspSkinData::GetControlIndex(const AnsiString& name) const { return IndexByName(CtrlList, name); }

int TspSkinData::GetIndex(const AnsiString& name) const { return IndexByName(ObjectList, name); }

int TspSkinData::GetAreaIndex(const AnsiString& name) const { return IndexByName(AreaList, name); }

void TspSkinData::AddBitMap(const AnsiString& fileName) {
  auto bitmap = std::make_unique<TBitmap>();
  LoadSkinPicture(bitmap.get(), fileName);
  ActivePicturesNames->Add(ExtractFileName(fileName));
  ActivePictures.push_back(std::move(bitmap));
}

void TspSkinData::DeleteBitMap(int index) {
  ActivePicturesNames->Delete(index);
  ActivePictures.erase(ActivePictures.begin() + index);
}

void TspSkinData::AddSkinArea(const AnsiString& name, const TRect& rect) {
  AreaList.push_back(std::make_unique<TspDataSkinArea>(name, rect));
}

void TspSkinData::SendSkinDataMessage(UINT message) {
  auto wParam = reinterpret_cast<WPARAM>(this);
  auto* ownerForm = dynamic_cast<TCustomForm*>(Owner());
  if (ownerForm != nullptr && !ownerForm->InheritsFrom(TForm::StaticClass())) ownerForm = nullptr;
  if (ownerForm != nullptr) SendMessageA(ownerForm->Handle(), message, wParam, kSkinMessageTag);
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form != ownerForm) SendMessageA(form->Handle(), message, wParam, kSkinMessageTag);
  }
}

void GetObjectTypeName(const AnsiString& entry, AnsiString& name, AnsiString& typeWord) {
  int colon = entry.Pos(":");
  name = colon > 0 ? entry.SubString(1, colon - 1) : AnsiString();
  typeWord = colon > 0 ? entry.SubString(colon + 1, entry.Length() - colon) : AnsiString();
}

void GetAreaNameRect(const AnsiString& entry, AnsiString& name, TRect& rect) {
  AnsiString rest;
  GetObjectTypeName(entry, name, rest);
  rect = entry.Pos(":") > 0 ? GetRect(rest) : NullRect();
}

bool IsJpegFile(const AnsiString& fileName) { return fileName.Pos(".jpg") > 0 || fileName.Pos(".jpeg") > 0; }

void LoadSkinPicture(TBitmap* bitmap, const AnsiString& fileName) {
  if (IsJpegFile(fileName)) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(fileName);
    bitmap->Assign(jpeg.Bitmap());
  } else {
    bitmap->LoadFromFile(fileName);
  }
  bitmap->SetPixelFormat(pf24bit);
}
