# The resampling library in-process.
converter_test(media_resampler_tests media
  SOURCES resampler_test.cpp
  LIBS mcresample)
# What the audio plug-ins share, in-process.
converter_test(media_audio_plugin_tests media
  SOURCES background_output_test.cpp
  LIBS audio_plugin_common)
