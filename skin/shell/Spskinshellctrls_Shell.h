#pragma once
#include <shlobj.h>

#include <functional>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Sets.h"
#include "skin/shell/Spskinshellctrls_ComRef.h"

// The shell queries the shell controls share: attribute sets, enumeration flags, root
// folder names, names and images of items, and binding items to their folder interfaces.

class TspShellFolder;


enum TspShellFolderCapability { fcCanCopy, fcCanDelete, fcCanLink, fcCanMove, fcCanRename, fcDropTarget, fcHasPropSheet };
using TspShellFolderCapabilities = TSet<TspShellFolderCapability>;

enum TspShellFolderProperty {
  fpCut, fpIsLink, fpReadOnly, fpShared, fpFileSystem, fpFileSystemAncestor, fpRemovable, fpValidate
};
using TspShellFolderProperties = TSet<TspShellFolderProperty>;

// The shell attributes each member stands for.
ULONG CapabilityAttributes();                  // all seven capability attributes
ULONG PropertyAttributesAsked();               // ghosted, link, read-only, share
TspShellFolderCapabilities CapabilitiesFromAttributes(ULONG attributes);
TspShellFolderProperties PropertiesFromAttributes(ULONG attributes);

enum TShellObjectType { otFolders, otNonFolders, otHidden };
using TShellObjectTypes = TSet<TShellObjectType>;
// SHCONTF_FOLDERS, SHCONTF_NONFOLDERS and SHCONTF_INCLUDEHIDDEN of the set.
DWORD ObjectTypesToFlags(TShellObjectTypes types);

// The special folders a Root text may name by these names ("rfDesktop", ...).
enum TspRootFolder {
  rfDesktop, rfMyComputer, rfNetwork, rfRecycleBin, rfAppData, rfCommonDesktopDirectory, rfCommonPrograms,
  rfCommonStartMenu, rfCommonStartup, rfControlPanel, rfDesktopDirectory, rfFavorites, rfFonts, rfInternet,
  rfPersonal, rfPrinters, rfPrintHood, rfPrograms, rfRecent, rfSendTo, rfStartMenu, rfStartup, rfTemplates
};
inline constexpr int kRootFolderCount = rfTemplates + 1;
AnsiString RootFolderName(TspRootFolder folder);
// The shell's special-folder number (CSIDL_...) of the name.
int RootFolderCSIDL(TspRootFolder folder);
// The TspRootFolder the text names (case ignored), or -1.
int RootFolderIndex(const AnsiString& text);

// Whether an item with these attributes is a folder for the controls: the folder
// attribute, unless the name ends in ".zip" (compressed folders count as files).
bool IsFolderItem(ULONG attributes, const AnsiString& fullObjectName);

// Replaceable routes into the shell, for tests of paths the system at hand does not take.
struct TspShellSeams {
  // Whether the detail interface `iid` (IShellFolder2, IShellDetails) may be obtained;
  // empty: all may.
  std::function<bool(REFIID iid)> DetailInterfaceAvailable;
  // The context menu of one item of `parent`; empty: the parent's GetUIObjectOf.
  std::function<HRESULT(IShellFolder* parent, HWND owner, LPCITEMIDLIST item, IContextMenu** menu)> ContextMenu;
};
// Installs `seams` and answers those in use before.
TspShellSeams SetShellSeams(const TspShellSeams& seams);
bool DetailInterfaceAvailable(REFIID iid);
HRESULT ItemContextMenu(IShellFolder* parent, HWND owner, LPCITEMIDLIST item, IContextMenu** menu);

// The desktop's shell folder; raises EOleError when the shell has none.
TspComRef<IShellFolder> GetDesktopShellFolder();
// The desktop's (empty) item id list; raises EOleError when the shell gives none.
LPITEMIDLIST DesktopItemIDList();
// True when the desktop folder's CompareIDs (column 0) answers 0.
bool SameItemIDs(LPCITEMIDLIST a, LPCITEMIDLIST b);
// The system image list index of the item's icon.
int GetShellImage(LPCITEMIDLIST absolute, bool large, bool open);
// The parent's answer for these attribute bits of one item (0 when it fails); a list of
// several ids is asked of the folder below `parent` that holds its last id.
ULONG ItemAttributes(IShellFolder* parent, LPCITEMIDLIST relative, ULONG requested);
bool ItemIsFolder(IShellFolder* parent, LPCITEMIDLIST relative);
bool ItemHasSubFolders(IShellFolder* parent, LPCITEMIDLIST relative);
// True when the folder lists at least one item of the enumeration flags.
bool FolderHasObjects(IShellFolder* folder, DWORD flags);
// The text of a shell string answer about `item` (an offset answer points into it).
// Frees a wide answer's memory.
AnsiString StrRetToText(LPCITEMIDLIST item, STRRET& answer);
// The folder's name for the item; "parentfolder = nil" without a folder.
AnsiString GetDisplayNameText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags);
// Interface `iid` of an item: the parent's BindToObject, else its GetUIObjectOf, else its
// CreateViewObject, else the desktop's BindToObject of the list. False when none gives it.
bool BindItemInterface(IShellFolder* parent, LPCITEMIDLIST list, HWND window, REFIID iid, void** object);
// The item's own shell folder through its parent, or none.
TspComRef<IShellFolder> BindShellFolder(IShellFolder* parent, LPCITEMIDLIST relative, HWND window);
// A folder below the desktop for an absolute list (copied).
TspShellFolder* FolderFromAbsoluteID(LPCITEMIDLIST absolute);
// Opens the folder `root` names (a TspRootFolder name or a path; "C:" becomes "C:\") and
// frees `oldFolder`. When it cannot, `root` gets `oldRoot` back, `oldFolder` stays and
// Exception "Error setting path: "%s"" is raised.
TspShellFolder* CreateRootFolder(TspShellFolder* oldFolder, const AnsiString& oldRoot, AnsiString& root);
