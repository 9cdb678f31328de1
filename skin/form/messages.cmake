# The skinned message box: its component and the dialog form built in code.
list(APPEND SKIN_FORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinmessage_Component.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinmessage_Form.cpp)
