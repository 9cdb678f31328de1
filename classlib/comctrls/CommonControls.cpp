#include "classlib/comctrls/CommonControls.h"

#include "classlib/runtime/WinApi.h"

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
