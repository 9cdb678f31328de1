# Tests of the common controls (included by tests/classlib/CMakeLists.txt): real windows
# and keys, so the program keeps the display to itself.
converter_test(classlib_comctrls_display_tests classlib
  SOURCES formres/Defaults.cpp comctrls/HeaderControlTest.cpp comctrls/ListViewTest.cpp
    comctrls/PageControlTest.cpp comctrls/RichEditTest.cpp comctrls/TrackBarTest.cpp
    comctrls/TreeViewTest.cpp
  LIBS classlib_formres
  SERIAL TIMEOUT 300)
add_form_resources(classlib_comctrls_display_tests comctrls/JobListForm.form)
