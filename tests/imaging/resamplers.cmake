# Kernels, the kernel, bilinear and draft resamplers, and the ordinal maps.
converter_test(imaging_resampler_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/kernels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linear_resamplers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ordinal_maps_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
