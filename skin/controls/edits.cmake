# Skinned edits: the edit base with its skinned context menu, the skinned edit with its
# frame and button in the non-client area.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_EditClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ResizeButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SkinEdit.cpp)
