# Skinned edits: the edit base with its skinned context menu, the skinned edit with its
# frame and button in the non-client area, the up-down with the arrow-button pair and
# auto-repeat the spin edit shares, the numeric inner editor and the spin edit, with the
# number-text rules.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_EditClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_NumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_NumEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ResizeButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SkinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_StepButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_UpDown.cpp)
