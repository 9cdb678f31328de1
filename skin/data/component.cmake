# The skin data component: loading, looking up, announcing and writing skins.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_SkinData.cpp)
