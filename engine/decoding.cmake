# The decoders and the media probe, over the decoding, codec and colour libraries.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Decderwarpper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Videoinforeader.cpp)
list(APPEND ENGINE_LIBS mcdecode mccodec mccolour)
