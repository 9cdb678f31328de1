# Look descriptors: keys, defaults, writing orders and the special rules of each kind.
converter_test(skin_looks_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LookKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LookRulesTest.cpp
  LIBS skin_test_support skin_data)

# The skin data component over small skin folders written by the tests, and compressed skins.
converter_test(skin_data_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CompressedTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeneratedSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinDataTest.cpp
  LIBS skin_test_support skin_data)
