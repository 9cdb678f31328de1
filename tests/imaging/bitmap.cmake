# TBitmap32 and the resampling framework.
converter_test(imaging_bitmap_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_storage_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_pixels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_rects_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_transfer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_conversion_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_form_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
# Bitmaps and PNG pictures through the system clipboard: keeps the display to itself.
converter_test(imaging_clipboard_tests imaging
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bitmap_clipboard_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp
  SERIAL)
