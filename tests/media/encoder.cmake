# Encoder contexts and frame converters of mccodec.dll: behaviour checked in-process, and
# files written from the table in encoder_outputs.txt read back by the native ffprobe.
if(NOT TARGET mediacore)
  return()
endif()

converter_test(media_encoder_tests media
  SOURCES encoder_context_test.cpp frame_converter_test.cpp serial_worker_test.cpp
          ${CMAKE_SOURCE_DIR}/media/codec/SerialWorker.cpp
  LIBS mccodec mediacore
  TIMEOUT 300
  PROPERTIES FIXTURES_REQUIRED media_files)

add_executable(media_encode_job encode_job.cpp)
target_link_libraries(media_encode_job PRIVATE mccodec mediacore)

find_program(MEDIA_PYTHON NAMES python3 REQUIRED)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin/encoder-output)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/encoder_outputs.txt)
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/encoder_outputs.txt encoder_rows REGEX "^[^#]")
foreach(row IN LISTS encoder_rows)
  string(REGEX REPLACE "[ \t]+" ";" fields "${row}")
  list(POP_FRONT fields container video_codecs audio_codecs)
  set(extras "")
  list(LENGTH fields count)
  if(count EQUAL 8)
    list(POP_BACK fields extras)
  endif()
  # "suffix=TEXT" among the extras tells rows of the same codecs apart.
  string(REGEX MATCH "suffix=[^,]*" suffix "${extras}")
  string(REPLACE "suffix=" "_" suffix "${suffix}")
  string(REPLACE "," ";" video_codecs "${video_codecs}")
  string(REPLACE "," ";" audio_codecs "${audio_codecs}")
  foreach(video IN LISTS video_codecs)
    foreach(audio IN LISTS audio_codecs)
      string(REPLACE "-" "noaudio" audio_name "${audio}")
      set(name "${container}_${video}_${audio_name}${suffix}")
      string(REGEX REPLACE "[^A-Za-z0-9_]" "_" name "${name}")
      add_test(NAME media.EncoderOutput.${name}
        COMMAND ${MEDIA_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/check_encoder_output.py
                ${WINE_RUN} media_encode_job.exe ${CMAKE_BINARY_DIR}/bin ${name}
                ${container} ${video} ${audio} ${fields} "${extras}")
      set_tests_properties(media.EncoderOutput.${name} PROPERTIES
        FIXTURES_REQUIRED media_files TIMEOUT 300)
    endforeach()
  endforeach()
endforeach()
