# Skinned edits on the display: the edit with its frame, keys and context menu, the
# up-down and the spin edit (their repeat timers recorded), and the number-text rules.
converter_test(skin_edits_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/EditsFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/EditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/EditMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/NumberTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/SpinEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edits/UpDownTest.cpp
  LIBS skin_test_support skin_controls window_test_support
  SERIAL TIMEOUT 300)
target_include_directories(skin_edits_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/menus)
