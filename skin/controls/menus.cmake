# Skinned popup menus: the popup menu component, the menu controller, the popup windows
# and their items.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_Controller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_Item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_Popup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_Window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_WindowInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmenus_WindowPaint.cpp)
