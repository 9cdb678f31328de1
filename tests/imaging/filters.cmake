# Whole-bitmap filters and line clipping.
converter_test(imaging_filter_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filters_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
