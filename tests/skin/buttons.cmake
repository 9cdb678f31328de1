# Skinned push button and form-style button on shown forms: faces from the test skin's
# button look, real mouse and key input, re-skinning and a form resource.
converter_test(skin_buttons_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFaceTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonContentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_SOURCE_DIR}/tests/classlib/formres/Defaults.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 180)
target_include_directories(skin_buttons_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/classlib/formres
                           ${CMAKE_CURRENT_LIST_DIR}/controls)
add_form_resources(skin_buttons_tests ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonsForm.form)
