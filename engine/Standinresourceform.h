#pragma once

class WM9EncoderDllWarper;
class RealEncoderDllWarper;

// Stand-in of the program's resource holder until the windows exist: only the two encoder
// plug-in wrappers that the engine reaches through it.
class TResourceForm {
 public:
  // Holds no wrapper.
  TResourceForm() = default;
  // Loads both plug-ins by their library names and keeps what is usable: the WMV wrapper
  // when its Init answers true (otherwise Uninit, and it is dropped), the RealMedia
  // wrapper when it bound every entry (then with a fresh encoder handle).
  TResourceForm(const char* wmvLibrary, const char* realLibrary);
  // Uninit and delete the WMV wrapper, delete the RealMedia wrapper.
  ~TResourceForm();
  TResourceForm(const TResourceForm&) = delete;
  TResourceForm& operator=(const TResourceForm&) = delete;

  WM9EncoderDllWarper* WMVEncoder = nullptr;
  RealEncoderDllWarper* RealEncoder = nullptr;
};

// Set at start-up before the main window exists; may be null in programs without windows.
extern TResourceForm* ResourceForm;
