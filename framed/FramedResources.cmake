# The framed library's resources (the link labels' hand cursor, "FRCOMMON_HANDCURSOR", and
# the check boxes' and radio buttons' glyph templates "FRCOMMON_CHECKBOX_*" and
# "FRCOMMON_RADIOBUTTON_*"),
# generated when the build is configured from the letter grids of the committed scripts.
# A static library cannot carry resources: add_framed_resources(target) compiles them into
# each program that links `framed`.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(FRAMED_RESOURCE_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${FRAMED_RESOURCE_DIR})
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_hand_cursor.py
                        ${FRAMED_RESOURCE_DIR}/hand.cur ${FRAMED_RESOURCE_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_hand_cursor.py)
set(FRAMED_RESOURCES_RC ${FRAMED_RESOURCE_DIR}/FramedResources.rc CACHE INTERNAL "The framed library's resources")
set(framed_resource_lines "FRCOMMON_HANDCURSOR CURSOR \"${FRAMED_RESOURCE_DIR}/hand.cur\"\n")
foreach(template CHECKBOX_UNCHECKED CHECKBOX_CHECKED CHECKBOX_GRAYED RADIOBUTTON_UNCHECKED RADIOBUTTON_CHECKED)
  string(APPEND framed_resource_lines
         "FRCOMMON_${template} BITMAP \"${FRAMED_RESOURCE_DIR}/FRCOMMON_${template}.bmp\"\n")
endforeach()
file(CONFIGURE OUTPUT ${FRAMED_RESOURCES_RC} CONTENT "${framed_resource_lines}")

function(add_framed_resources target)
  target_sources(${target} PRIVATE ${FRAMED_RESOURCES_RC})
endfunction()
