# Interface texts: the built-in string table and the optional string table component.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skindata.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Strings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spconst.cpp)

# A static library would drop the resource object, which no code refers to: it is an
# object library whose object goes into every program linking skin_data.
enable_language(RC)
add_library(skin_data_strings OBJECT ${CMAKE_CURRENT_LIST_DIR}/Spconst.rc)
list(APPEND SKIN_DATA_OBJECTS skin_data_strings)
