# Skinned hints: the hint component and its hint window.
list(APPEND SKIN_CONTROLS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Skinhint.cpp)
list(APPEND SKIN_CONTROLS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Skinhint_Window.cpp)
list(APPEND SKIN_CONTROLS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Skinhint_Classes.cpp)
