# Audio conversion: the presets and schemes, the plug-in host with its tag object and
# resampler container, and a stand-in of the settings dialogs' base until the windows exist.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Audiopresets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Encoderplugin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Resamplecontainer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Standinsettingbaseform.cpp)
list(APPEND ENGINE_LIBS mcresample)
