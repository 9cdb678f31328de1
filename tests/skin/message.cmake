# The skinned message box: layout, texts, icons and buttons of the built dialog, and shown
# boxes answered with real keys and clicks, with and without the shipped dialog skin.
converter_test(skin_message_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/message/MessageFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message/MessageLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message/MessageShowTest.cpp
  LIBS skin_form window_test_support
  SERIAL TIMEOUT 180)
add_dependencies(skin_message_tests shipped_skins)
