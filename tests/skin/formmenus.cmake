# The form component's menus on real skinned dialogs: the system menu, its keys and
# button, the open-menu bookkeeping with the application hook, popup and user menus.
converter_test(skin_formmenus_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/formmenus/FormMenusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFixture.cpp
  LIBS skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
