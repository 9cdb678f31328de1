# The framed library's resources: the link labels' hand cursor "FRCOMMON_HANDCURSOR", the
# splitter's "FRSPLIT_HORZ", "FRSPLIT_HORZHOTSPOT", "FRSPLIT_VERT", "FRSPLIT_VERTHOTSPOT" and
# the check boxes' and radio buttons' glyph templates "FRCOMMON_CHECKBOX_*" and
# "FRCOMMON_RADIOBUTTON_*",
# generated when the build is configured from the letter grids of the committed scripts.
# A static library cannot carry resources: add_framed_resources(target) compiles them into
# each program that links `framed`.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(FRAMED_RESOURCE_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${FRAMED_RESOURCE_DIR})
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_hand_cursor.py
                        ${FRAMED_RESOURCE_DIR}/hand.cur COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_split_cursors.py
                        ${FRAMED_RESOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_glyph_templates.py
                        ${FRAMED_RESOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_hand_cursor.py
             ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_split_cursors.py
             ${CMAKE_CURRENT_SOURCE_DIR}/resources/cursor_grid.py
             ${CMAKE_CURRENT_SOURCE_DIR}/resources/make_glyph_templates.py)
set(FRAMED_RESOURCES_RC ${FRAMED_RESOURCE_DIR}/FramedResources.rc CACHE INTERNAL "The framed library's resources")
set(framed_resource_lines "FRCOMMON_HANDCURSOR CURSOR \"${FRAMED_RESOURCE_DIR}/hand.cur\"\n")
foreach(cursor HORZ HORZHOTSPOT VERT VERTHOTSPOT)
  string(TOLOWER ${cursor} file)
  string(APPEND framed_resource_lines "FRSPLIT_${cursor} CURSOR \"${FRAMED_RESOURCE_DIR}/${file}.cur\"\n")
endforeach()
foreach(template CHECKBOX_UNCHECKED CHECKBOX_CHECKED CHECKBOX_GRAYED RADIOBUTTON_UNCHECKED RADIOBUTTON_CHECKED)
  string(APPEND framed_resource_lines
         "FRCOMMON_${template} BITMAP \"${FRAMED_RESOURCE_DIR}/FRCOMMON_${template}.bmp\"\n")
endforeach()
file(CONFIGURE OUTPUT ${FRAMED_RESOURCES_RC} CONTENT "${framed_resource_lines}")

function(add_framed_resources target)
  target_sources(${target} PRIVATE ${FRAMED_RESOURCES_RC})
endfunction()
