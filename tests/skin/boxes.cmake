# The skinned list box on the display: the row bar mirroring the inner list, wheel and
# keys, the forwarded events, item faces and the height for a number of rows.
converter_test(skin_boxes_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxTest.cpp
  LIBS skin_boxes window_test_support
  SERIAL TIMEOUT 120)
