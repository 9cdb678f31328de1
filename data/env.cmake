# The environment file: scrambled at build time from its plain INI source, beside the
# program (and the test programs). The scrambled file itself is never kept in the sources.
set(ENV_FILE_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/env/ZediruVeze.ini)
set(ENV_FILE_OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ZediruVeze.EDF)
# Scrambling runs the scrambler under Wine: a tree whose programs cannot run here builds
# the scrambler and leaves the file out.
if(CONVERTER_CAN_RUN)
  add_custom_command(OUTPUT ${ENV_FILE_OUTPUT}
    COMMAND ${WINE_RUN} $<TARGET_FILE:edfscramble> ${ENV_FILE_SOURCE} ${ENV_FILE_OUTPUT}
    DEPENDS edfscramble ${ENV_FILE_SOURCE}
    COMMENT "Scrambling the environment file ZediruVeze.EDF"
    VERBATIM)
  add_custom_target(env_file ALL DEPENDS ${ENV_FILE_OUTPUT})
else()
  add_custom_target(env_file DEPENDS edfscramble)
endif()

# The decoder choice per file extension, shipped as written.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/DecoderMode.cfg
  ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/DecoderMode.cfg COPYONLY)
