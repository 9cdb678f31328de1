# Video profiles: the profile kinds with their ".pf" files, and the profile manager.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Profilefields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Videoprofile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Videoprofilekinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Profilemanager.cpp)
