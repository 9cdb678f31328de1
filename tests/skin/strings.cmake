# Interface texts; the program links skin_data only, so the built-in texts must reach it
# through that target.
converter_test(skin_strings_tests skin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StringsTest.cpp
  LIBS skin_data)
