# Namespace items, shell queries, context menus, the change notifier and the unit's start.
list(APPEND SKIN_SHELL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_Details.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_Folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_ItemIDs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_Menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_Notifier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spskinshellctrls_Shell.cpp)
