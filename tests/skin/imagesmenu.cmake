# The images menu with real windows and input, and a push button bound to it.
converter_test(skin_imagesmenu_tests skin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/imagesmenu/ImagesMenuTest.cpp
  LIBS skin_controls skin_test_support window_test_support
  SERIAL TIMEOUT 300)
