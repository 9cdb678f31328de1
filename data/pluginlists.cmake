# The preset lists of the WMA and RealAudio outputs, beside the program: "WMA9Format.Lst"
# holds the WMV plug-in's audio formats and "Audiences.Lst" the RealMedia plug-in's music
# codecs (its codec rows from 1 on), one name per line, taken from the plug-ins' tables.
# plugin_list_file(OUTPUT HEADER FIRST_ROW): the quoted names that begin the table rows of
# HEADER, from row FIRST_ROW on.
function(plugin_list_file output header first_row)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  file(STRINGS ${header} rows REGEX "^ *{\"[^\"]*\",")
  list(SUBLIST rows ${first_row} -1 rows)
  set(text "")
  foreach(row IN LISTS rows)
    string(REGEX REPLACE "^ *{\"([^\"]*)\",.*" "\\1" name "${row}")
    string(APPEND text "${name}\r\n")
  endforeach()
  set(staged ${CMAKE_CURRENT_BINARY_DIR}/${output})
  file(WRITE ${staged} "${text}")
  file(MAKE_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  file(COPY_FILE ${staged} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${output} ONLY_IF_DIFFERENT)
endfunction()

plugin_list_file(WMA9Format.Lst ${CMAKE_SOURCE_DIR}/media/plugins/wmvenc/WmaFormats.h 0)
plugin_list_file(Audiences.Lst ${CMAKE_SOURCE_DIR}/media/plugins/rmenc/RealAudioCodecs.h 1)
