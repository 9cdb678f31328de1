# The skinned notebook with its pages and page buttons.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Notebook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_NotebookClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_NotebookPages.cpp)
