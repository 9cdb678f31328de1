#include "skin/shell/Spskinshellctrls_Shell.h"

#include <cstring>
#include <string>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/data/Spconst.h"
#include "skin/shell/Spskinshellctrls.h"

namespace {

struct TAttributeBit {
  int member;
  ULONG attribute;
};

constexpr TAttributeBit kCapabilityBits[] = {
    {fcCanCopy, SFGAO_CANCOPY},       {fcCanDelete, SFGAO_CANDELETE}, {fcCanLink, SFGAO_CANLINK},
    {fcCanMove, SFGAO_CANMOVE},       {fcCanRename, SFGAO_CANRENAME}, {fcDropTarget, SFGAO_DROPTARGET},
    {fcHasPropSheet, SFGAO_HASPROPSHEET}};

constexpr TAttributeBit kPropertyBits[] = {
    {fpCut, SFGAO_GHOSTED},          {fpIsLink, SFGAO_LINK},
    {fpReadOnly, SFGAO_READONLY},    {fpShared, SFGAO_SHARE},
    {fpFileSystem, SFGAO_FILESYSTEM}, {fpFileSystemAncestor, SFGAO_FILESYSANCESTOR},
    {fpRemovable, SFGAO_REMOVABLE},  {fpValidate, SFGAO_VALIDATE}};

template <class E, size_t N>
TSet<E> MembersOf(const TAttributeBit (&bits)[N], ULONG attributes) {
  TSet<E> members;
  for (const TAttributeBit& bit : bits) {
    if ((attributes & bit.attribute) != 0) members.Include(static_cast<E>(bit.member));
  }
  return members;
}

struct TRootFolderEntry {
  const char* name;
  int csidl;
};

constexpr TRootFolderEntry kRootFolders[kRootFolderCount] = {
    {"rfDesktop", CSIDL_DESKTOP},
    {"rfMyComputer", CSIDL_DRIVES},
    {"rfNetwork", CSIDL_NETWORK},
    {"rfRecycleBin", CSIDL_BITBUCKET},
    {"rfAppData", CSIDL_APPDATA},
    {"rfCommonDesktopDirectory", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"rfCommonPrograms", CSIDL_COMMON_PROGRAMS},
    {"rfCommonStartMenu", CSIDL_COMMON_STARTMENU},
    {"rfCommonStartup", CSIDL_COMMON_STARTUP},
    {"rfControlPanel", CSIDL_CONTROLS},
    {"rfDesktopDirectory", CSIDL_DESKTOPDIRECTORY},
    {"rfFavorites", CSIDL_FAVORITES},
    {"rfFonts", CSIDL_FONTS},
    {"rfInternet", CSIDL_INTERNET},
    {"rfPersonal", CSIDL_PERSONAL},
    {"rfPrinters", CSIDL_PRINTERS},
    {"rfPrintHood", CSIDL_PRINTHOOD},
    {"rfPrograms", CSIDL_PROGRAMS},
    {"rfRecent", CSIDL_RECENT},
    {"rfSendTo", CSIDL_SENDTO},
    {"rfStartMenu", CSIDL_STARTMENU},
    {"rfStartup", CSIDL_STARTUP},
    {"rfTemplates", CSIDL_TEMPLATES},
};

TspShellSeams g_seams;

AnsiString WideToText(const wchar_t* text) {
  if (text == nullptr) return AnsiString();
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return AnsiString();
  std::string buffer(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer.data(), length, nullptr, nullptr);
  return AnsiString(buffer.c_str(), length - 1);
}

// "?1?2x" style answers (digits behind question marks) lose every question mark.
AnsiString DropDigitMarks(const AnsiString& text) {
  if (text.Length() <= 1 || text[1] != '?' || text[2] < '0' || text[2] > '9') return text;
  std::string kept;
  for (int i = 1; i <= text.Length(); ++i) {
    if (text[i] != '?') kept += text[i];
  }
  return AnsiString(kept.c_str(), static_cast<int>(kept.size()));
}

}  // namespace

ULONG CapabilityAttributes() {
  ULONG attributes = 0;
  for (const TAttributeBit& bit : kCapabilityBits) attributes |= bit.attribute;
  return attributes;
}

ULONG PropertyAttributesAsked() { return SFGAO_GHOSTED | SFGAO_LINK | SFGAO_READONLY | SFGAO_SHARE; }

TspShellFolderCapabilities CapabilitiesFromAttributes(ULONG attributes) {
  return MembersOf<TspShellFolderCapability>(kCapabilityBits, attributes);
}

TspShellFolderProperties PropertiesFromAttributes(ULONG attributes) {
  return MembersOf<TspShellFolderProperty>(kPropertyBits, attributes);
}

DWORD ObjectTypesToFlags(TShellObjectTypes types) {
  DWORD flags = 0;
  if (types.Contains(otFolders)) flags |= SHCONTF_FOLDERS;
  if (types.Contains(otNonFolders)) flags |= SHCONTF_NONFOLDERS;
  if (types.Contains(otHidden)) flags |= SHCONTF_INCLUDEHIDDEN;
  return flags;
}

AnsiString RootFolderName(TspRootFolder folder) { return kRootFolders[folder].name; }

int RootFolderCSIDL(TspRootFolder folder) { return kRootFolders[folder].csidl; }

int RootFolderIndex(const AnsiString& text) {
  for (int i = 0; i < kRootFolderCount; ++i) {
    if (SameText(text, kRootFolders[i].name)) return i;
  }
  return -1;
}

bool IsFolderItem(ULONG attributes, const AnsiString& fullObjectName) {
  return (attributes & SFGAO_FOLDER) != 0 && UpperCase(ExtractFileExt(fullObjectName)) != ".ZIP";
}

TspShellSeams SetShellSeams(const TspShellSeams& seams) {
  TspShellSeams previous = g_seams;
  g_seams = seams;
  return previous;
}

bool DetailInterfaceAvailable(REFIID iid) {
  return !g_seams.DetailInterfaceAvailable || g_seams.DetailInterfaceAvailable(iid);
}

HRESULT ItemContextMenu(IShellFolder* parent, HWND owner, LPCITEMIDLIST item, IContextMenu** menu) {
  *menu = nullptr;
  if (g_seams.ContextMenu) return g_seams.ContextMenu(parent, owner, item, menu);
  return parent->GetUIObjectOf(owner, 1, &item, IID_IContextMenu, nullptr, reinterpret_cast<void**>(menu));
}

TspComRef<IShellFolder> GetDesktopShellFolder() {
  TspComRef<IShellFolder> desktop;
  OleCheck(SHGetDesktopFolder(desktop.Put()));
  return desktop;
}

LPITEMIDLIST DesktopItemIDList() {
  LPITEMIDLIST list = nullptr;
  OleCheck(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &list));
  return list;
}

bool SameItemIDs(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  const HRESULT result = DesktopFolder->ShellFolder()->CompareIDs(0, a, b);
  return SUCCEEDED(result) && static_cast<short>(HRESULT_CODE(result)) == 0;
}

int GetShellImage(LPCITEMIDLIST absolute, bool large, bool open) {
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX;
  if (open) flags |= SHGFI_OPENICON;
  if (!large) flags |= SHGFI_SMALLICON;
  SHFILEINFOA info{};
  SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof(info), flags);
  return info.iIcon;
}

ULONG ItemAttributes(IShellFolder* parent, LPCITEMIDLIST relative, ULONG requested) {
  if (parent == nullptr || relative == nullptr) return 0;
  // A list of several ids (a root folder's) is asked of the folder holding its last id:
  // folders answer for their own children only.
  TspComRef<IShellFolder> holder;
  LPCITEMIDLIST item = relative;
  if (ItemIDCount(relative) > 1) {
    TspItemIDList path(CopyItemIDList(relative));
    StripLastItemID(path.Get());
    if (FAILED(parent->BindToObject(path.Get(), nullptr, IID_IShellFolder, holder.PutVoid())) || !holder) return 0;
    while (ItemIDCount(item) > 1) item = NextItemID(item);
    parent = holder.Get();
  }
  ULONG attributes = requested;
  if (FAILED(parent->GetAttributesOf(1, &item, &attributes))) return 0;
  return attributes;
}

bool ItemIsFolder(IShellFolder* parent, LPCITEMIDLIST relative) {
  return (ItemAttributes(parent, relative, SFGAO_FOLDER) & SFGAO_FOLDER) != 0;
}

bool ItemHasSubFolders(IShellFolder* parent, LPCITEMIDLIST relative) {
  return (ItemAttributes(parent, relative, SFGAO_HASSUBFOLDER) & SFGAO_HASSUBFOLDER) != 0;
}

bool FolderHasObjects(IShellFolder* folder, DWORD flags) {
  if (folder == nullptr) return false;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  bool found = false;
  TspComRef<IEnumIDList> items;
  if (folder->EnumObjects(nullptr, flags, items.Put()) == S_OK && items) {
    TspItemIDList item;
    ULONG fetched = 0;
    found = items->Next(1, item.Put(), &fetched) == S_OK && fetched == 1;
  }
  SetErrorMode(oldMode);
  return found;
}

AnsiString StrRetToText(LPCITEMIDLIST item, STRRET& answer) {
  AnsiString text;
  switch (answer.uType) {
    case STRRET_WSTR:
      text = WideToText(answer.pOleStr);
      CoTaskMemFree(answer.pOleStr);
      answer.pOleStr = nullptr;
      break;
    case STRRET_OFFSET: {
      const char* start = reinterpret_cast<const char*>(item) + answer.uOffset;
      const int room = item == nullptr ? 0 : static_cast<int>(item->mkid.cb) - static_cast<int>(answer.uOffset);
      text = room > 0 ? AnsiString(start, static_cast<int>(strnlen(start, static_cast<size_t>(room)))) : AnsiString();
      break;
    }
    case STRRET_CSTR:
      text = AnsiString(answer.cStr, static_cast<int>(strnlen(answer.cStr, sizeof(answer.cStr))));
      break;
    default:
      break;
  }
  return DropDigitMarks(text);
}

AnsiString GetDisplayNameText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags) {
  if (folder == nullptr) return "parentfolder = nil";
  STRRET answer{};
  if (FAILED(folder->GetDisplayNameOf(item, flags, &answer))) return AnsiString();
  AnsiString text = StrRetToText(item, answer);
  if (text.Pos("::{") == 1 && flags != SHGDN_NORMAL) return GetDisplayNameText(folder, item, SHGDN_NORMAL);
  return text;
}

bool BindItemInterface(IShellFolder* parent, LPCITEMIDLIST list, HWND window, REFIID iid, void** object) {
  *object = nullptr;
  if (parent == nullptr) return false;
  if (SUCCEEDED(parent->BindToObject(list, nullptr, iid, object)) && *object != nullptr) return true;
  if (SUCCEEDED(parent->GetUIObjectOf(window, 1, &list, iid, nullptr, object)) && *object != nullptr) return true;
  if (SUCCEEDED(parent->CreateViewObject(window, iid, object)) && *object != nullptr) return true;
  IShellFolder* desktop = DesktopFolder->ShellFolder();
  return SUCCEEDED(desktop->BindToObject(list, nullptr, iid, object)) && *object != nullptr;
}

TspComRef<IShellFolder> BindShellFolder(IShellFolder* parent, LPCITEMIDLIST relative, HWND window) {
  TspComRef<IShellFolder> folder;
  BindItemInterface(parent, relative, window, IID_IShellFolder, folder.PutVoid());
  return folder;
}

TspShellFolder* FolderFromAbsoluteID(LPCITEMIDLIST absolute) {
  IShellFolder* desktop = DesktopFolder->ShellFolder();
  TspComRef<IShellFolder> folder = BindShellFolder(desktop, absolute, nullptr);
  return new TspShellFolder(DesktopFolder, folder ? folder.Get() : desktop, absolute);
}

namespace {

// The absolute list the root text names, or none.
LPITEMIDLIST ParseRoot(AnsiString& root) {
  LPITEMIDLIST list = nullptr;
  const int special = RootFolderIndex(root);
  if (special >= 0) {
    if (FAILED(SHGetSpecialFolderLocation(nullptr, RootFolderCSIDL(static_cast<TspRootFolder>(special)), &list)))
      return nullptr;
    return list;
  }
  if (root.IsEmpty()) return nullptr;
  if (root[root.Length()] == ':') root += "\\";
  std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, root.c_str(), -1, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, root.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  ULONG eaten = 0;
  if (FAILED(DesktopFolder->ShellFolder()->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, nullptr)))
    return nullptr;
  return list;
}

}  // namespace

TspShellFolder* CreateRootFolder(TspShellFolder* oldFolder, const AnsiString& oldRoot, AnsiString& root) {
  TspItemIDList list(ParseRoot(root));
  if (list.Get() == nullptr) {
    const AnsiString failed = root;
    root = oldRoot;
    throw Exception(Format(SErrorSettingPath.Text(), failed));
  }
  TspShellFolder* folder = FolderFromAbsoluteID(list.Get());
  delete oldFolder;
  return folder;
}
