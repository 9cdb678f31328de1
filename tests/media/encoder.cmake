# Encoder contexts and frame converters of mccodec.dll: behaviour checked in-process, and
# files written from the table in encoder_outputs.txt read back by the native ffprobe (one
# test, media.EncoderOutput, its rows named after their codecs).
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
target_link_libraries(media_encode_job PRIVATE mccodec mediacore job_list)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin/encoder-output)
converter_table(media.EncoderOutput ${CMAKE_CURRENT_SOURCE_DIR}/check_encoder_output.py media_encode_job
  PROPERTIES FIXTURES_REQUIRED media_files)
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
      converter_table_row(media.EncoderOutput ${name} ${container} ${video} ${audio} ${fields} "${extras}")
    endforeach()
  endforeach()
endforeach()
