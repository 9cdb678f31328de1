# The resamplers of mcresample.dll, over libswresample.
list(APPEND mcresample_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Resampler.cpp)
list(APPEND mcresample_LIBS thirdparty::ffmpeg)
