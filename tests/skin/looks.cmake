# Look descriptors: keys, defaults, writing orders and the special rules of each kind.
converter_test(skin_looks_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/LookKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LookRulesTest.cpp
  LIBS skin_test_support skin_data)

# The skin data component over small skin folders written by the tests, and compressed skins;
# one compressed skin is written by a script with Python's own zlib.
find_program(SKIN_FIXTURE_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME skin.CompressedSkinFixture
  COMMAND ${SKIN_FIXTURE_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/make_compressed_skin.py ${CMAKE_BINARY_DIR}/bin/skin-fixtures)
set_tests_properties(skin.CompressedSkinFixture PROPERTIES FIXTURES_SETUP skin_files TIMEOUT 60)

converter_test(skin_data_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CompressedTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeneratedSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinDataTest.cpp
  LIBS skin_test_support skin_data
  PROPERTIES FIXTURES_REQUIRED skin_files)
