# The scroll panel and the expandable panel on shown forms: non-client scroll buttons,
# rolling and caption buttons with real mouse and key input, and their looks from the test
# skin; with the splitters, read from a form resource.
converter_test(skin_panels_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/panels/ExPanelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panels/ScrollPanelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panels/PanelsFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 120)
target_include_directories(skin_panels_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/buttons)
add_form_resources(skin_panels_tests ${CMAKE_CURRENT_LIST_DIR}/panels/PanelsForm.form)
