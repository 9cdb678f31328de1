# Range and gauge bars and the scrolling view, on the screen.
converter_test(imaging_rangebar_tests imaging
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/rangebars_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/img_view_test.cpp
  LIBS imaging classlib_stdctrls window_test_support
  MAIN ${CMAKE_CURRENT_LIST_DIR}/imaging_test_main.cpp
  SERIAL TIMEOUT 60)
