# Skinned views: tree view, list view with its skinned column header, header control and
# rich edit, with the face drawing the two headers share.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_HeaderControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_HeaderLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ListView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ListViewHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_RichEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_TreeView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ViewClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ViewLink.cpp)
