# The expandable panel, with the caption picture, size limits and child hiding the rolling
# containers share.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ExPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ExPanelClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ExPanelPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Rolling.cpp)
