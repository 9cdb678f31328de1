# Rasterizers, vector maps, transformations and the nested samplers.
list(APPEND IMAGING_SOURCES
  Bitmap32_Rasterizers.cpp
  Bitmap32_VectorMaps.cpp)
