# The scroll panel with its two non-client scroll buttons.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ScrollPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ScrollPanelButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ScrollPanelClasses.cpp)
