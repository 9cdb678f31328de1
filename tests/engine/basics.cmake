# Tests of the engine basics: shared routines, environment, decoder modes, folder search.
converter_test(engine_basics_tests engine
  SOURCES
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
