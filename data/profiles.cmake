# The shipped video profiles, copied into the profile folder beside the program (and the
# test programs). The folder is made afresh, so a profile removed here leaves no copy.
file(GLOB SHIPPED_PROFILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/profiles/*.pf)
set(SHIPPED_PROFILES_FOLDER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/profiles)
set(SHIPPED_PROFILES_STAMP ${CMAKE_CURRENT_BINARY_DIR}/shipped_profiles.stamp)
add_custom_command(OUTPUT ${SHIPPED_PROFILES_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SHIPPED_PROFILES_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SHIPPED_PROFILES_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy ${SHIPPED_PROFILES} ${SHIPPED_PROFILES_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E touch ${SHIPPED_PROFILES_STAMP}
  DEPENDS ${SHIPPED_PROFILES}
  COMMENT "Copying the shipped video profiles"
  VERBATIM)
add_custom_target(shipped_profiles ALL DEPENDS ${SHIPPED_PROFILES_STAMP})
