# The decoding libraries over the generated media: mcdecode.dll's handles, mccodec.dll's
# decoder objects and colour converters, and mccolour.dll.

# ffprobe's frame counts of the generated media and a player-sized H.264 clip.
add_test(NAME media.GenerateDecodingMedia
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/make_decoding_media.sh ${CMAKE_BINARY_DIR}/bin/test-media
          ${CMAKE_BINARY_DIR}/bin/test-media-decoding)
set_tests_properties(media.GenerateDecodingMedia PROPERTIES
  FIXTURES_SETUP decoding_media FIXTURES_REQUIRED media_files TIMEOUT 300)

add_library(decoding_test_support STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DecodingRecorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecodingRuns.cpp)
target_include_directories(decoding_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(decoding_test_support PUBLIC mcdecode mccodec)

converter_test(media_decoding_tests media
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/decoding_delivery_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decoder_library_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decoder_object_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colour_converter_test.cpp
  LIBS decoding_test_support mcdecode mccodec mccolour
  TIMEOUT 300
  PROPERTIES FIXTURES_REQUIRED decoding_media)
