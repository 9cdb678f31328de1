# Tests of the standard controls, menus, actions and dialogs (included by
# tests/classlib/CMakeLists.txt).
converter_test(classlib_stdctrls_tests classlib
  SOURCES stdctrls/ActionsTest.cpp stdctrls/TextsTest.cpp
  LIBS classlib_stdctrls)
# Real windows, keys, pointer and clipboard: keeps the display to itself.
converter_test(classlib_stdctrls_display_tests classlib
  SOURCES
    formres/Defaults.cpp
    stdctrls/ClipboardTest.cpp
    stdctrls/CommandsTest.cpp
    stdctrls/ControlsTest.cpp
    stdctrls/DialogsTest.cpp
    stdctrls/EditsTest.cpp
    stdctrls/ListsTest.cpp
  LIBS classlib_formres
  SERIAL TIMEOUT 300)
add_form_resources(classlib_stdctrls_display_tests stdctrls/ControlsForm.form)
