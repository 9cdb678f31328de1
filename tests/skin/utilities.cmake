# Value encodings of skin descriptions and the geometry, text and system routines.
converter_test(skin_utilities_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ValuesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemTest.cpp
  LIBS skin_data)
