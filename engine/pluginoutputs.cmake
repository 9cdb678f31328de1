# The WMV and RealMedia outputs: the wrappers of their two encoder plug-ins and the
# encoder objects that drive them.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Pluginlibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Wmvencoderdllwarper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Realencoderdllwarper.cpp)
