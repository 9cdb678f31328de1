# Unscrambles the built environment file with the build tool and compares the result
# with the INI source byte for byte.
#   cmake -DWINE_RUN=... -DTOOL=... -DENV_FILE=... -DSOURCE=... -DWORK=... -P UnscrambleEnvFile.cmake
set(plain ${WORK}/ZediruVeze.unscrambled.ini)
file(REMOVE ${plain})
execute_process(COMMAND ${WINE_RUN} ${TOOL} ${ENV_FILE} ${plain} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the tool failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${plain} ${SOURCE} RESULT_VARIABLE differ)
file(REMOVE ${plain})
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "the unscrambled environment file differs from its source")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ENV_FILE} ${SOURCE} RESULT_VARIABLE scrambled)
if(scrambled EQUAL 0)
  message(FATAL_ERROR "the environment file is not scrambled")
endif()
