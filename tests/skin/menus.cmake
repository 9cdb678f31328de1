# Skinned popup menus with real windows and input through a test host that plays the
# skinned form's part.
converter_test(skin_menus_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuDrawTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuMouseTest.cpp
  LIBS skin_test_support skin_controls window_test_support
  SERIAL TIMEOUT 300)
