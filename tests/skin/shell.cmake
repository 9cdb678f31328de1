# The shell controls' unit: namespace items, details, context menus and the change
# notifier, in folders the cases make (menus show real windows: serial).
converter_test(skin_shell_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/shell/ShellFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/ItemIDsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/RootsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/ItemsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/DetailsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/MenusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/NotifierTest.cpp
  LIBS skin_shell window_test_support
  MAIN ${CMAKE_CURRENT_LIST_DIR}/shell/shell_main.cpp
  SERIAL)
