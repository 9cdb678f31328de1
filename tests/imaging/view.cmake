# Micro-tiles, repaint optimisers, layers and the image view's geometry, stages and events.
converter_test(imaging_view_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/micro_tiles_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_view_form_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp)
# The views on the screen.
converter_test(imaging_view_display_tests imaging
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/image_view_display_test.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp
  SERIAL TIMEOUT 60)
