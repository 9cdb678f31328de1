# Skinned-control bases: windowed and window-less, with the resizable look, the re-skin
# and tool-bar seams and the form-resource registration of skin/controls/.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_BaseClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Bases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_GraphicBases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Link.cpp)
