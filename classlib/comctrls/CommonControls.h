#pragma once
#include <windows.h>

class TWinControl;
class TCustomImageList;

// Registers the system's common control classes for this process, once; the controls
// over them call it before making their windows (never from a static constructor).
void InitializeCommonControls();

// Hands `images` (none when null) to the control's window with `message` (e.g.
// HDM_SETIMAGELIST, TCM_SETIMAGELIST); nothing while the control has no window.
void SendImageList(TWinControl* control, UINT message, TCustomImageList* images);
