# The media probe and the two decoders over the generated media and the real libraries.
converter_test(engine_decoding_tests engine
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/decoding/VideoInfoReaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decoding/DecodersTest.cpp
  LIBS engine decoding_test_support
  TIMEOUT 300
  PROPERTIES FIXTURES_REQUIRED decoding_media)
