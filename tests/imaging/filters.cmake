# Whole-bitmap filters, line clipping, the bitmap's lines and bitmap collections.
converter_test(imaging_drawing_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filters_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lines_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/collections_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
