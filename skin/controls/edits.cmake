# Skinned edits: the edit base with its skinned context menu, the skinned edit with its
# frame and button in the non-client area, and the up-down with the arrow-button pair and
# auto-repeat the spin edit shares.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_EditClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ResizeButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SkinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_StepButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_UpDown.cpp)
