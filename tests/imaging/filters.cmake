# Whole-bitmap filters, line clipping and the bitmap's lines.
converter_test(imaging_drawing_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filters_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lines_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
