# Encoder contexts and frame converters of mccodec.dll, over FFmpeg and the media core.
list(APPEND mccodec_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AudioTrack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodecCatalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderContextImpl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderTrack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameConverterImpl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MediaWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFitter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SerialWorker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VideoTrack.cpp)
list(APPEND mccodec_LIBS mediacore thirdparty::ffmpeg)
