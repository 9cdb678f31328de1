# Skinned labels, panels, bevel and status bar: the static surfaces of skinned windows.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Bevel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_LabelClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_StdLabel.cpp)
