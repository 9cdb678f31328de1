# Look descriptors: the keys of every control look and form object of a skin.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Bases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Enums.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Kinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Labels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Ranges.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skindata_Views.cpp)
