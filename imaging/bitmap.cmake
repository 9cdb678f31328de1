# TBitmap32 and the resampling framework.
list(APPEND IMAGING_SOURCES
  Bitmap32_Persistent.cpp
  Bitmap32_Samplers.cpp
  Bitmap32_Interpolator.cpp
  Bitmap32.cpp
  Bitmap32_Resamplers.cpp
  Bitmap32_Lines.cpp
  Bitmap32_FixedLines.cpp
  Bitmap32_OrdinalMaps.cpp
  Bitmap32_Kernels.cpp
  Bitmap32_LinearResamplers.cpp)
list(APPEND IMAGING_LIBS classlib_graphics classlib_formres classlib_stdctrls)
