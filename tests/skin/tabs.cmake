# The skinned page control with its sheets and the skinned tab control on the display:
# geometry answered against the system's own, the tab row's pixels, close buttons, the
# tab scroller, erasing and skin changes, with the test skin and without a skin.
converter_test(skin_tabs_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tabs/TabsFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tabs/PageControlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tabs/TabPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tabs/TabControlTest.cpp
  LIBS skin_shell skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
target_include_directories(skin_tabs_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tabs)
