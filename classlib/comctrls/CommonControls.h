#pragma once

// Registers the system's common control classes for this process, once; the controls
// over them call it before making their windows (never from a static constructor).
void InitializeCommonControls();
