# The skin data component: loading (from a skin folder or compressed), looking up,
# announcing and writing skins.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_SkinData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_SkinList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Stored.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spzlibcompress.cpp)
list(APPEND SKIN_DATA_LIBS thirdparty::zlib)
