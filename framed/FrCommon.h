#pragma once
// The framed control library's common services: shared types, colour arithmetic, border
// painters, arrows, fonts, masked bitmaps, the parent-background painter and the frame
// controller, plus the library's start-up and shut-down.
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrCommon_FrameController.h"
#include "framed/FrCommon_Types.h"
#include "framed/FrThemes.h"

// Start-up, after the class library's: binds the styles library's lock, initialises COM
// for the window thread, makes ThemeServices over the application window and registers
// the framed classes' properties. FinalizeFramed undoes it in reverse order. Both are
// called on the window thread; a second start-up before a shut-down does nothing.
void InitializeFramed();
void FinalizeFramed();
