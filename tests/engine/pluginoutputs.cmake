# The WMV and RealMedia outputs: wrappers, holder and encoder kinds in-process, against
# fake plug-ins that record their calls (one of each lacking an entry) and the real ones.
if(NOT TARGET engine OR NOT TARGET wmvenc OR NOT TARGET rmenc)
  return()
endif()
set(plugin_outputs_dir ${CMAKE_CURRENT_LIST_DIR}/pluginoutputs)

# fake_plugin(TARGET SOURCE DEF_SOURCE [LEFT_OUT_ENTRY]): a fake exporting the entries of the
# plug-in's .def file (less one, if named) and its own Fake_Configure and Fake_TakeRecord.
function(fake_plugin target source def_source)
  file(READ ${def_source} def)
  string(REGEX REPLACE "LIBRARY [^\n]*" "LIBRARY ${target}.dll" def "${def}")
  string(REGEX REPLACE "\n  GetEncoderModule@0 @1" "" def "${def}")
  if(ARGC GREATER 3)
    string(REGEX REPLACE "\n  ${ARGV3}@[0-9]+ @[0-9]+" "" def "${def}")
  endif()
  string(APPEND def "  Fake_Configure@8 @90\n  Fake_TakeRecord@8 @91\n")
  if(TARGET_ARCH STREQUAL "x86_64")
    string(REGEX REPLACE "([A-Za-z_][A-Za-z0-9_]*)@[0-9]+( +@[0-9]+)" "\\1\\2" def "${def}")
  endif()
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target}.def "${def}")
  add_library(${target} SHARED ${CMAKE_CURRENT_BINARY_DIR}/${target}.def ${source})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  if(TARGET_ARCH STREQUAL "i686")
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

set(wmv_def ${CMAKE_SOURCE_DIR}/media/plugins/wmvenc/wmvenc.def)
set(real_def ${CMAKE_SOURCE_DIR}/media/plugins/rmenc/rmenc.def)
fake_plugin(fakewmvenc ${plugin_outputs_dir}/FakeWmvPlugin.cpp ${wmv_def})
fake_plugin(fakewmvenc46 ${plugin_outputs_dir}/FakeWmvPlugin.cpp ${wmv_def} WMV_SetId3Tag)
fake_plugin(fakermenc ${plugin_outputs_dir}/FakeRealPlugin.cpp ${real_def})
fake_plugin(fakermenc20 ${plugin_outputs_dir}/FakeRealPlugin.cpp ${real_def} Real_StartDo2Pass)

converter_test(engine_plugin_output_tests engine
  SOURCES ${plugin_outputs_dir}/PluginEncoderObjectTest.cpp
  LIBS engine
  TIMEOUT 120)
add_dependencies(engine_plugin_output_tests fakewmvenc fakewmvenc46 fakermenc fakermenc20 wmvenc rmenc)

# Files of the WMV and RealMedia outputs converted by the console driver and read back by
# the native ffprobe and ffmpeg (the shipped profiles are in conversion.cmake).
if(NOT COMMAND engine_conversion_check)
  return()
endif()
set(tagged --title "Plug-in title" --author "An author" --copyright "(c) Someone" --comment "A comment")
engine_conversion_check(WmvTagged bars_mpeg4_mp3.avi "WMV 320x240 768 kbps.pf" -- ${tagged})
engine_conversion_check(RealTagged bars_mpeg4_mp3.avi "RealMedia 320x240 450 kbps.pf" -- ${tagged} --decoder directshow)
foreach(profile WmvVersion0 WmvVersion2 WmvSystemProfile WmvQualityVbr RealWidth350 RealVbrMono)
  engine_conversion_check(${profile} bars_mpeg4_mp3.avi ${plugin_outputs_dir}/${profile}.pf --)
endforeach()
foreach(profile "WMV 320x240 768 kbps" "RealMedia 176x144 120 kbps")
  string(REGEX REPLACE "[^A-Za-z0-9]+" "_" id "${profile}")
  engine_conversion_check(DisableAudio_${id} bars_mpeg4_mp3.avi "${profile}.pf" noaudio -- --disable-audio)
  engine_conversion_check(VideoOnly_${id} video_only.avi "${profile}.pf" noaudio --)
  engine_conversion_check(NoPlugins_${id} bars_mpeg4_mp3.avi "${profile}.pf" failed -- --no-plugins)
endforeach()

# Every line of "WMA9Format.Lst" and "Audiences.Lst" as a preset, on the 48 kHz stereo clip.
# (WMA and AC-3 end on whole frames of 2048 and 1536 samples.)
if(NOT COMMAND engine_audio_check)
  return()
endif()
set(wma_lines "22050 1 32000" "44100 2 48000" "44100 2 64000" "44100 2 96000" "44100 2 128000"
              "44100 2 160000" "48000 2 192000")
set(ra_lines "1 32000" "2 48000" "2 64000" "2 96000" "2 128000")
foreach(kind wma ra)
  foreach(line IN LISTS ${kind}_lines)
    list(FIND ${kind}_lines "${line}" index)
    string(REPLACE " " ";" line "${line}")
    if(kind STREQUAL "wma")
      list(GET line 0 rate)
      list(GET line 1 channels)
      list(GET line 2 bitrate)
      engine_audio_check(wma_${index} bars_h264_aac.mp4 wma:${index} codec=wmav2 rate=${rate} channels=${channels}
        bitrate=${bitrate} tolerance=0.1)
    else()
      list(GET line 0 channels)
      list(GET line 1 bitrate)
      engine_audio_check(ra_${index} bars_h264_aac.mp4 ra:${index} codec=ac3 rate=48000 channels=${channels}
        bitrate=${bitrate} nodate tolerance=0.1)
    endif()
  endforeach()
endforeach()
engine_audio_check(surround_to_wma surround_6ch.m4a wma:4 codec=wmav2 channels=2 tolerance=0.1)
engine_audio_check(mono_to_ra mono_22050.mp3 ra:0 codec=ac3 rate=44100 channels=1 nodate tolerance=0.1)
