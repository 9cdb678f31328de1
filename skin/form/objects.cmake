# The skin objects and the pointer: object kinds (buttons, values, animations), their list
# on the form, hit tests, dispatch and dragging, window states.
list(APPEND SKIN_FORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_ButtonObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_ValueObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_AnimateObject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_ObjectList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_HitTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Pointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_WindowState.cpp)
