# The WMV and RealMedia plug-ins in-process: what their settings describe (their units
# built in), their entries, their audio modules and the preset lists made from their tables.
if(NOT TARGET mediacore OR NOT TARGET wmvenc OR NOT TARGET rmenc)
  return()
endif()

converter_test(media_video_plugin_tests media
  SOURCES video_plugin_test.cpp
          ${CMAKE_SOURCE_DIR}/media/plugins/wmvenc/WmvSettings.cpp
          ${CMAKE_SOURCE_DIR}/media/plugins/rmenc/RealSettings.cpp
  LIBS wmvenc rmenc mediacore
  TIMEOUT 120)
add_dependencies(media_contract_tests wmvenc rmenc)
