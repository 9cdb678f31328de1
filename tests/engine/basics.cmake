# Tests of the engine basics: shared routines, environment, decoder modes, folder search.
converter_test(engine_basics_tests engine
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/basics/DecoderModeMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/basics/EnvLoaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/basics/QuorinvccommonTest.cpp
  LIBS engine)
add_dependencies(engine_basics_tests env_file)
# Shows real message boxes: keeps the display to itself.
converter_test(engine_basics_display_tests engine
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/basics/ShowMessageBoxDisplayTest.cpp
  LIBS engine
  SERIAL TIMEOUT 60)
add_test(NAME engine.EnvFile.UnscramblingGivesTheSourceByteForByte
  COMMAND ${CMAKE_COMMAND} -DWINE_RUN=${WINE_RUN} -DTOOL=$<TARGET_FILE:edfscramble>
          -DENV_FILE=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ZediruVeze.EDF
          -DSOURCE=${CMAKE_SOURCE_DIR}/data/env/ZediruVeze.ini -DWORK=${CMAKE_CURRENT_BINARY_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/basics/UnscrambleEnvFile.cmake)

# The folder search over generated trees; the link loops are made on the host side.
set(ENGINE_LINK_TREE ${CMAKE_BINARY_DIR}/test-trees/search-links)
add_test(NAME engine.SearchLinkTree.Make
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/search/make_link_tree.sh ${ENGINE_LINK_TREE})
add_test(NAME engine.SearchLinkTree.Remove COMMAND ${CMAKE_COMMAND} -E rm -rf ${ENGINE_LINK_TREE})
set_tests_properties(engine.SearchLinkTree.Make PROPERTIES FIXTURES_SETUP engine_link_tree)
set_tests_properties(engine.SearchLinkTree.Remove PROPERTIES FIXTURES_CLEANUP engine_link_tree)
converter_test(engine_search_tests engine
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/search/SearchFileThreadTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search/LinkLoopTest.cpp
  LIBS engine
  PROPERTIES FIXTURES_REQUIRED engine_link_tree)
