# Tests of the common controls (included by tests/classlib/CMakeLists.txt): real windows
# and keys, so the program keeps the display to itself.
converter_test(classlib_comctrls_display_tests classlib
  SOURCES formres/Defaults.cpp comctrls/ControlBarTest.cpp comctrls/CoolBarTest.cpp comctrls/ListViewTest.cpp
    comctrls/PageControlTest.cpp comctrls/RichEditTest.cpp comctrls/TrackBarTest.cpp
    comctrls/TreeViewTest.cpp
  LIBS classlib_formres window_test_support
  SERIAL TIMEOUT 300)
add_form_resources(classlib_comctrls_display_tests comctrls/JobListForm.form)
# Its own process: under Wine, the system header stops sending WM_DRAWITEM for owner-drawn
# sections once the page control cases have run in the same process (cause not found yet).
converter_test(classlib_comctrls_header_tests classlib
  SOURCES comctrls/HeaderControlTest.cpp
  LIBS classlib_comctrls
  SERIAL TIMEOUT 300)
