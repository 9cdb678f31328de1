# The skinned hint component and its hint window with real windows.
converter_test(skin_hints_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/hints/SkinHintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hints/SkinHintLookTest.cpp
  LIBS skin_controls skin_test_support window_test_support
  SERIAL TIMEOUT 300)
