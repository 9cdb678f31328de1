#include "classlib/comctrls/CommonControls.h"

#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/WinApi.h"
#include "classlib/windowing/WinControl.h"

#include <commctrl.h>

void InitializeCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES |
                                     ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)done;
}

void SendImageList(TWinControl* control, UINT message, TCustomImageList* images) {
  if (!control->HandleAllocated()) return;
  SendMessageA(control->Handle(), message, 0, images != nullptr ? reinterpret_cast<LPARAM>(images->Handle()) : 0);
}
