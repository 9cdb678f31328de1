# The shipped skins (data/skins): the name table and lint, damaged copies, the
# environment's pictures, and the sheets composed with the drawing toolbox (written to
# bin/skin-sheets). A script checks the category icons with python3-png and that the
# generator gives byte-identical files.
converter_test(skin_shipped_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedLint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedLintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedDamageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedPicturesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shipped/ShippedSheetsTest.cpp
  LIBS skin_data imaging)
add_dependencies(skin_shipped_tests shipped_skins)
target_compile_definitions(skin_shipped_tests PRIVATE
  SHIPPED_SKIN_ENV_SOURCE="Z:${CMAKE_SOURCE_DIR}/data/env/ZediruVeze.ini")

find_program(SKIN_SHIPPED_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME skin.ShippedSkinFiles
  COMMAND ${SKIN_SHIPPED_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/shipped/check_shipped_files.py
    ${CMAKE_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/bin/Skin/Quorin)
set_tests_properties(skin.ShippedSkinFiles PROPERTIES TIMEOUT 120)
