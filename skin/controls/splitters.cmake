# The skinned splitters: the class library's splitter with a skinned face, and the
# windowed splitter that resizes live.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Splitter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SplitterClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SplitterDrag.cpp)
