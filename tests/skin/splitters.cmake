# The skinned splitters on a shown form: live dragging with real mouse and key input, the
# test skin's splitter look and a re-skin.
converter_test(skin_splitters_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/splitters/SplitterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 120)
target_include_directories(skin_splitters_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/buttons
                           ${CMAKE_CURRENT_LIST_DIR}/controls)
