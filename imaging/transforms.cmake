# Rasterizers, vector maps, transformations and the nested samplers.
list(APPEND IMAGING_SOURCES
  Bitmap32_Rasterizers.cpp
  Bitmap32_VectorMaps.cpp
  Bitmap32_Transforms.cpp
  Bitmap32_Samplers_Nested.cpp
  Bitmap32_Samplers_Kernel.cpp)
