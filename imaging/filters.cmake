# Whole-bitmap filters, line clipping and bitmap collections.
list(APPEND IMAGING_SOURCES
  Bitmap32_Filters.cpp
  Bitmap32_DrawingEx.cpp
  Bitmap32_Collections.cpp)
