# The window-less speed button.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SpeedButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SpeedButtonClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SpeedButtonInput.cpp)
