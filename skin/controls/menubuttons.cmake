# Drop-down buttons: the menu button and the menu speed button, which open a skinned
# popup menu or an images menu from the whole button or from a drop-down part, and the
# graphic button with the style pickers built on the latter.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_GraphicButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_MenuButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_MenuButtonClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_MenuSpeedButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_MenuTrack.cpp)
