# Skinned check boxes and radio buttons, and the radio and check groups built of them.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_CheckClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_CheckGroups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_CheckRadio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_CheckRadioInput.cpp)
