# Decoder objects and colour converters of mccodec.dll, over the media core.
list(APPEND mccodec_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ColourConverterImpl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecoderObjectImpl.cpp)
list(APPEND mccodec_LIBS mediacore)
