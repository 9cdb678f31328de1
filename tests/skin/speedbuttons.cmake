# The window-less speed button and the notebook on a shown form: faces from the test
# skin's button look, real mouse and key input, a stand-in tool-bar parent, form resources.
converter_test(skin_speedbuttons_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speedbuttons/SpeedButtonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speedbuttons/SpeedButtonFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/speedbuttons/NotebookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_SOURCE_DIR}/tests/classlib/formres/Defaults.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 180)
target_include_directories(skin_speedbuttons_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/buttons
                           ${CMAKE_CURRENT_LIST_DIR}/controls
                           ${CMAKE_SOURCE_DIR}/tests/classlib/formres)
add_form_resources(skin_speedbuttons_tests ${CMAKE_CURRENT_LIST_DIR}/speedbuttons/SpeedButtonsForm.form
                   ${CMAKE_CURRENT_LIST_DIR}/speedbuttons/NotebookForm.form)
