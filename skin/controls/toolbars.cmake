# Skinned bars: the tool bar with its scroll buttons, the control bar with the
# "controlbar" look's background, band frames and border, and the buttons bar.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonsBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_BarLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ControlBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ToolBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ToolBarClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ToolBarScroll.cpp)
