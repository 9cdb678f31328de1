# The resampling library in-process.
converter_test(media_resampler_tests media
  SOURCES resampler_test.cpp
  LIBS mcresample)
