#pragma once
#include "classlib/windowing/WinControl.h"

// The converter's skinned windows cast a shadow where the system draws one: NT-family
// Windows from version 5.1 on.

constexpr UINT kDropShadowClassStyle = 0x20000;

// Whether a system of that platform and version draws window shadows: the NT family with
// a major version above 4 and a minor version above 0, or a major version above 5.
bool SystemDrawsDropShadow(DWORD platformId, DWORD majorVersion, DWORD minorVersion);

// Adds the shadow class style to the window's creation parameters when the running
// system draws shadows; every skinned window calls it from its CreateParams.
void AddDropShadow(TCreateParams& params);
