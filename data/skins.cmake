# The shipped skin folder "Skin/Quorin" beside the program (the environment's SkinPath):
# "MainSkin.ini" and "Skin.ini" with their BMP pictures, and the pictures the environment
# file names, all drawn by the generator from the descriptions in skins/. The folder is
# made afresh, so a file the generator no longer writes leaves no copy.
find_program(SKIN_GENERATOR_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
file(GLOB SHIPPED_SKIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/skins/*.toml
  ${CMAKE_CURRENT_SOURCE_DIR}/skins/*.py
  ${CMAKE_CURRENT_SOURCE_DIR}/skins/skingen/*.py)
set(SHIPPED_SKIN_ENV_FILE ${CMAKE_CURRENT_SOURCE_DIR}/env/ZediruVeze.ini)
set(SHIPPED_SKIN_FOLDER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Skin/Quorin)
set(SHIPPED_SKIN_STAMP ${CMAKE_CURRENT_BINARY_DIR}/shipped_skins.stamp)
add_custom_command(OUTPUT ${SHIPPED_SKIN_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SHIPPED_SKIN_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E env PYTHONDONTWRITEBYTECODE=1
    ${SKIN_GENERATOR_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/skins/generate_skins.py
    ${CMAKE_CURRENT_SOURCE_DIR}/skins ${SHIPPED_SKIN_ENV_FILE} ${SHIPPED_SKIN_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E touch ${SHIPPED_SKIN_STAMP}
  DEPENDS ${SHIPPED_SKIN_SOURCES} ${SHIPPED_SKIN_ENV_FILE}
  COMMENT "Generating the shipped skins"
  VERBATIM)
add_custom_target(shipped_skins ALL DEPENDS ${SHIPPED_SKIN_STAMP})
