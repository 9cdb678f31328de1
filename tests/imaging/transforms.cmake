# Rasterizers, vector maps, transformations and the nested samplers.
converter_test(imaging_transform_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/rasterizers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vector_maps_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transforms_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nested_samplers_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
