#pragma once
// The requests a skinned form sends a skinned control to paint its non-client parts into a
// device context of the form's (wParam), and their answers.
#include "classlib/runtime/WinApi.h"

// Paint the frame into wParam's context; a control that takes the request answers
// kFramePaintAnswer.
constexpr UINT CM_SENCPAINT = 45513;
constexpr LRESULT kFramePaintAnswer = 12851;
// The same with the background, only when lParam is kBackgroundFramePaint; answered with
// that value.
constexpr UINT CM_BENCPAINT = 48203;
constexpr LPARAM kBackgroundFramePaint = 16802;
