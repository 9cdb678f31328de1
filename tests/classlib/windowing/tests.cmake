# Tests of the class library's windowing layer (included by tests/classlib/CMakeLists.txt).
# The windows are real: every program that shows windows, moves the pointer or types
# keys keeps the display to itself.
converter_test(classlib_windowing_tests classlib
  SOURCES windowing/MessagesTest.cpp
  LIBS classlib_windowing
  TIMEOUT 300)
converter_test(classlib_windowing_display_tests classlib
  SOURCES
    windowing/FormsTest.cpp
    windowing/KeysTest.cpp
    windowing/LayoutTest.cpp
    windowing/MouseTest.cpp
  LIBS classlib_windowing
  SERIAL TIMEOUT 300)
# Its own process: no window may exist before the message box.
converter_test(classlib_windowing_messagebox_tests classlib
  SOURCES windowing/MessageBoxTest.cpp
  LIBS classlib_windowing
  SERIAL TIMEOUT 300)
