# The form's menus: the menu controller and the popup routines, the open-menu bookkeeping
# with the application hook, the system and tray menus, the shortcuts and menu keys.
list(APPEND SKIN_FORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_ShortCuts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_SystemMenu.cpp)
