# The images menu: a popup grid of pictures to choose from.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinimagesmenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinimagesmenu_Window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinimagesmenu_WindowPaint.cpp)
