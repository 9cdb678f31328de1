#pragma once
#include "engine/Realencoderdllwarper.h"
#include "engine/Wmvencoderdllwarper.h"

// The WMV and RealMedia plug-in wrappers of the run, through which the encoder objects
// write. Whoever makes the wrappers (the program's resource holder) sets them, and clears
// them before it frees them; null means the format is unavailable.
void SetEncoderWrappers(WM9EncoderDllWarper* wmv, RealEncoderDllWarper* real);
WM9EncoderDllWarper* WMVEncoderWrapper();
RealEncoderDllWarper* RealEncoderWrapper();

// The WMV and RealMedia plug-ins of a run, loaded once and kept only when usable: the WMV
// wrapper when its Init answers true (else it is uninitialised and dropped), the RealMedia
// wrapper when it bound every entry (then with a fresh encoder handle). While it lives it
// is the run's access point above; it uninitialises and frees the WMV wrapper first.
class TEncoderPlugins {
 public:
  explicit TEncoderPlugins(const char* wmvLibrary = WM9EncoderDllWarper::kLibraryName,
                           const char* realLibrary = RealEncoderDllWarper::kLibraryName);
  ~TEncoderPlugins();
  TEncoderPlugins(const TEncoderPlugins&) = delete;
  TEncoderPlugins& operator=(const TEncoderPlugins&) = delete;

  WM9EncoderDllWarper* WMV() const { return wmv_; }
  RealEncoderDllWarper* Real() const { return real_; }

 private:
  WM9EncoderDllWarper* wmv_ = nullptr;
  RealEncoderDllWarper* real_ = nullptr;
};
