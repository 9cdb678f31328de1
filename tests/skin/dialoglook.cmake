# The dialog look on real forms: the built-in frame without a skin, the caption, label
# and picture-font label objects, translucency and the shadow (the display is kept).
converter_test(skin_dialoglook_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialoglook/DefaultLookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialoglook/DefaultSkinsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialoglook/TextObjectsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialoglook/TranslucencyTest.cpp
  LIBS skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
# The program's skins come from the shipped folder beside the test program.
add_dependencies(skin_dialoglook_tests shipped_skins)
