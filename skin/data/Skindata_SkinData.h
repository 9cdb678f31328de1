#pragma once
#include <memory>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Component.h"
#include "skin/data/Skindata_Bases.h"
#include "skin/data/Skindata_Menus.h"
#include "skin/data/Skindata_SkinList.h"
#include "skin/data/Skindata_Stored.h"
#include "skin/data/Skindata_Strings.h"

// Messages a skin data component sends to every form (wParam the component, lParam 1000).
constexpr UINT WM_BEFORECHANGESKINDATA = WM_USER + 201;
constexpr UINT WM_CHANGESKINDATA = WM_USER + 202;
constexpr UINT WM_AFTERCHANGESKINDATA = WM_USER + 203;
constexpr UINT WM_CHANGERESOURCESTRDATA = WM_USER + 250;
constexpr UINT WM_CHANGEFORMSKINNABLE = WM_USER + 270;

// Everything one loaded skin consists of. A load fills a content of its own and takes it
// over only when every part was read.
struct TspSkinDataContent {
  TspSkinDataContent();
  TspSkinDataContent(TspSkinDataContent&&) noexcept;
  TspSkinDataContent& operator=(TspSkinDataContent&&) noexcept;
  ~TspSkinDataContent();

  std::unique_ptr<TspSkinColors> SkinColors;
  // FORMINFO
  TRect SizeGripArea;
  AnsiString StatusBarName;
  TRect ButtonsRect;
  TRect CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool AutoRenderingInActiveImage = false;
  TspInActiveEffect InActiveEffect = ieBrightness;
  int StartCursorIndex = 1;
  int CursorIndex = -1;
  std::unique_ptr<TspDataSkinPopupWindow> PopupWindow;
  std::unique_ptr<TspDataSkinHintWindow> HintWindow;
  bool Empty = true;
  std::unique_ptr<TBitmap> Picture;
  std::unique_ptr<TBitmap> InActivePicture;
  std::unique_ptr<TBitmap> MaskPicture;
  std::unique_ptr<TBitmap> RollUpPicture;
  std::unique_ptr<TBitmap> RollUpMaskPicture;
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;
  AnsiString PictureName;
  AnsiString InActivePictureName;
  AnsiString MaskPictureName;
  AnsiString RollUpPictureName;
  AnsiString RollUpMaskPictureName;
  std::unique_ptr<TStringList> ActivePicturesNames;
  std::unique_ptr<TStringList> CursorsNames;
  std::vector<std::unique_ptr<TspDataSkinObject>> ObjectList;
  std::vector<std::unique_ptr<TspDataSkinArea>> AreaList;
  std::vector<std::unique_ptr<TspDataSkinControl>> CtrlList;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  int BGPictureIndex = -1;
  int MDIBGPictureIndex = -1;
  TRect MainMenuRect;
  TRect IconRect;
  bool MainMenuPopupUp = false;
  TRect MaskRectArea;
  TPoint HitTestLeftTopPoint;
  TPoint HitTestRightTopPoint;
  TPoint HitTestLeftBottomPoint;
  TPoint HitTestRightBottomPoint;
  TRect ClientRect;
  int BorderWidth = 0;
  int FormMinWidth = 0;
  bool MDITabsTransparent = false;
  bool MainMenuBarTransparent = false;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;
  bool MDIBGStretchEffect = false;
  TspStretchType MDIBGStretchType = spstFull;
  TPoint RollUpLeftPoint;
  TPoint RollUpRightPoint;
  // VERSION
  AnsiString SkinName;
  AnsiString SkinAuthor;
  AnsiString AuthorURL;
  AnsiString AuthorEMail;
  AnsiString SkinComments;
};

// One loaded skin: pictures, cursors, the skinned form's geometry, and the looks of every
// control and form object, found by name. Every change of skin is announced to the forms.
class TspSkinData : public TComponent, public TspSkinDataContent {
  CLASSLIB_CLASS(TspSkinData, TComponent)
 public:
  explicit TspSkinData(TComponent* owner);
  ~TspSkinData() override;

  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  bool EnableSkinEffects() const { return enableSkinEffects_; }
  void SetEnableSkinEffects(bool value) { enableSkinEffects_ = value; }
  TspResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TspResourceStrData* value);
  TspCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  // Loads the store at once (an empty one does nothing).
  void SetCompressedStoredSkin(TspCompressedStoredSkin* value);
  TspCompressedSkinList* SkinList() const { return skinList_; }
  // Loads the skin of the list at SkinIndex when the index is in the list.
  void SetSkinList(TspCompressedSkinList* value);
  int SkinIndex() const { return skinIndex_; }
  // With a list, only an index in it is taken (and its skin loaded); another is ignored.
  void SetSkinIndex(int value);
  // Set while a load replaces the skin (from before 1225 to before 1227).
  bool SkinChanging() const { return skinChanging_; }

  // Loads a skin folder's description and its pictures and cursors. A file that is not
  // a skin description changes nothing. A failure raises an Exception naming the file
  // and keeps the previous skin; nothing is announced then.
  void LoadFromFile(const AnsiString& fileName);
  // Loads a compressed skin (an empty store does nothing, a skin stream of an unknown
  // layout changes nothing); failures are reported as for LoadFromFile. No cursor is
  // loaded from a compressed skin.
  void LoadCompressedStoredSkin(TspCompressedStoredSkin* store);
  // As LoadCompressedStoredSkin; a failure (a cut or damaged file too) names the file.
  void LoadFromCompressedFile(const AnsiString& fileName);
  void SaveToCompressedFile(const AnsiString& fileName);
  void ClearSkin();
  void ClearObjects();
  void ClearAll();

  void SaveToFile(const AnsiString& fileName);
  void SaveToCustomIniFile(TCustomIniFile* ini);
  // Writes folder + "skin.ini" and every picture under its name (folder ends with "\").
  void StoreToDisk(const AnsiString& folder);

  // The index of the first look of the name (compared with case), or -1.
  int GetControlIndex(const AnsiString& name) const;
  int GetIndex(const AnsiString& name) const;
  int GetAreaIndex(const AnsiString& name) const;

  void AddBitMap(const AnsiString& fileName);
  void DeleteBitMap(int index);
  void AddSkinArea(const AnsiString& name, const TRect& rect);

  void SendSkinDataMessage(UINT message);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Announces the change and puts the loaded skin in place of the held one.
  void Install(TspSkinDataContent&& loaded, const AnsiString& cursorFolder);

  bool skinnableForm_ = true;
  bool enableSkinEffects_ = true;
  void LoadListSkin();

  bool skinChanging_ = false;
  TspResourceStrData* resourceStrData_ = nullptr;
  TspCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TspCompressedSkinList* skinList_ = nullptr;
  int skinIndex_ = 0;
};

// Section lists: "name:type word" entries and "name:left,top,right,bottom" areas. Text
// without a colon gives an empty name and rest.
void GetObjectTypeName(const AnsiString& entry, AnsiString& name, AnsiString& typeWord);
void GetAreaNameRect(const AnsiString& entry, AnsiString& name, TRect& rect);

// A picture file: JPEG when the name holds ".jpg" or ".jpeg" (with case), else BMP.
bool IsJpegFile(const AnsiString& fileName);
void LoadSkinPicture(TBitmap* bitmap, const AnsiString& fileName);
