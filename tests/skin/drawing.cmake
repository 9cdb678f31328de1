# The drawing toolbox: composition, masks and regions, glyphs, button layout, and the
# parent pictures (real windows, painted into memory only).
converter_test(skin_drawing_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/drawing/ComposeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawing/RegionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawing/GlyphsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawing/LayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawing/ParentImageTest.cpp
  LIBS skin_data classlib_windowing)
