# Skinned labels, panels, bevel and status bar: the static surfaces of skinned windows.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Bevel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_LabelClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_LabelFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_LinkLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_PanelPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_StatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_StdLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_TextLabel.cpp)
