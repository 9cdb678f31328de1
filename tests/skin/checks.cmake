# Skinned check boxes, radio buttons and the radio and check groups on shown forms: the
# built-in and the test skin's looks, real mouse and key input, re-skinning and a form
# resource. The push-button fixture lends its picture, face and input helpers.
converter_test(skin_checks_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/checks/CheckFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/checks/CheckBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/checks/CheckSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/checks/CheckGroupTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/checks/CheckFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_SOURCE_DIR}/tests/classlib/formres/Defaults.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 180)
target_include_directories(skin_checks_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/classlib/formres
                           ${CMAKE_CURRENT_LIST_DIR}/buttons ${CMAKE_CURRENT_LIST_DIR}/controls)
add_form_resources(skin_checks_tests ${CMAKE_CURRENT_LIST_DIR}/checks/ChecksForm.form)
