# The menu button and the menu speed button on a shown form with the skinned-menu test
# host: opening on press, drop-down parts, both menus, keys and faces by look.
converter_test(skin_menubuttons_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menubuttons/DropDownFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menubuttons/MenuButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menubuttons/MenuSpeedButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menubuttons/PickerTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 240)
target_include_directories(skin_menubuttons_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/buttons
                           ${CMAKE_CURRENT_LIST_DIR}/menus)
