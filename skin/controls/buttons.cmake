# Skinned buttons: the push button and the form-style button.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ButtonTimers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Faces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_XFormButton.cpp)
