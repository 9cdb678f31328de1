#pragma once

class WM9EncoderDllWarper;
class RealEncoderDllWarper;

// The WMV and RealMedia plug-in wrappers of the run, through which the encoder objects
// write. Whoever makes the wrappers (the program's resource holder) sets them, and clears
// them before it frees them; null means the format is unavailable.
void SetEncoderWrappers(WM9EncoderDllWarper* wmv, RealEncoderDllWarper* real);
WM9EncoderDllWarper* WMVEncoderWrapper();
RealEncoderDllWarper* RealEncoderWrapper();
