#pragma once

class WM9EncoderDllWarper;
class RealEncoderDllWarper;

// Stand-in of the program's resource holder until the windows exist: only the two encoder
// plug-in wrappers that the engine reaches through it, none held.
class TResourceForm {
 public:
  WM9EncoderDllWarper* WMVEncoder = nullptr;
  RealEncoderDllWarper* RealEncoder = nullptr;
};

// Set at start-up before the main window exists; may be null in programs without windows.
extern TResourceForm* ResourceForm;
