# The WMV and RealMedia encoder plug-ins, loaded by the engine's wrappers (and as the WMA
# and RealAudio plug-ins by its audio path). Both write through the codec library's encoder
# contexts with what video_plugin_common shares.
if(TARGET_ARCH STREQUAL "x86_64")
  set(MEDIA_IMAGE_BASE_wmvenc 0x32C000000)
  set(MEDIA_IMAGE_BASE_rmenc 0x32C400000)
else()
  set(MEDIA_IMAGE_BASE_wmvenc 0x2C000000)
  set(MEDIA_IMAGE_BASE_rmenc 0x2C400000)
endif()

add_library(video_plugin_common STATIC
  plugins/videoplugin/ContextOutput.cpp
  plugins/videoplugin/OutputSlot.cpp
  plugins/videoplugin/PluginNames.cpp)
target_link_libraries(video_plugin_common PUBLIC audio_plugin_common mccodec)

media_library(wmvenc plugins/wmvenc wmvenc.def
  plugins/wmvenc/WmvEntries.cpp plugins/wmvenc/WmvSettings.cpp plugins/wmvenc/WmaOutput.cpp)
target_link_libraries(wmvenc PRIVATE video_plugin_common)
media_library(rmenc plugins/rmenc rmenc.def
  plugins/rmenc/RealEntries.cpp plugins/rmenc/RealSettings.cpp plugins/rmenc/RaOutput.cpp)
target_link_libraries(rmenc PRIVATE video_plugin_common)
