# The conversion job: behaviour checked in-process under Wine, and files converted by the
# console driver read back by the native ffprobe and ffmpeg (check_conversion.py).
if(NOT TARGET engine OR NOT TARGET convertdriver)
  return()
endif()

set(conversion_dir ${CMAKE_CURRENT_LIST_DIR}/conversion)
converter_test(engine_conversion_tests engine
  SOURCES
    ${conversion_dir}/CodecEncoderObjectTest.cpp
    ${conversion_dir}/ConversionTestSupport.cpp
    ${conversion_dir}/ConvertJobTest.cpp
    ${conversion_dir}/StreamChoiceTest.cpp
  LIBS engine
  SERIAL
  TIMEOUT 300
  PROPERTIES FIXTURES_REQUIRED media_files)
add_dependencies(engine_conversion_tests shipped_profiles)

# The conversion table: one test, engine.ConversionOutput, a row per check.
converter_table(engine.ConversionOutput ${conversion_dir}/check_conversion.py convertdriver
  PROPERTIES FIXTURES_REQUIRED media_files)
# engine_conversion_check(NAME SOURCE PROFILE [checks...] -- [driver options...]): one row.
function(engine_conversion_check name source profile)
  converter_table_row(engine.ConversionOutput ${name} ${source} ${profile} ${ARGN})
endfunction()

# Every shipped profile, through both decoders.
file(GLOB shipped_profiles CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/profiles/*.pf)
foreach(profile IN LISTS shipped_profiles)
  get_filename_component(profile_name ${profile} NAME)
  string(REGEX REPLACE "[^A-Za-z0-9]+" "_" id "${profile_name}")
  foreach(decoder builtin directshow)
    engine_conversion_check(${id}${decoder} bars_mpeg4_mp3.avi ${profile_name}
      -- --decoder ${decoder})
  endforeach()
endforeach()

# A clip of 1.0 to 2.0 s lasts 1 s; tags reach the file.
engine_conversion_check(Clip_1_to_2 bars_mpeg4_mp3.avi "AVI MPEG-4 640x480.pf" duration=1.0
  -- --clip 1.0 2.0 --title "A clip")
engine_conversion_check(Clip_1_to_2_directshow bars_mpeg4_mp3.avi "MP4 H.264 640x480.pf" duration=1.0
  -- --decoder directshow --clip 1.0 2.0)
# The source size less the crop, made even.
engine_conversion_check(OddSourceSize odd_641x481.avi "AVI MPEG-4 Source Size.pf" noaudio --)
engine_conversion_check(OddSourceSizeCropped odd_641x481.avi "AVI MPEG-4 Source Size.pf" noaudio
  -- --crop 8 8 4 4 --decoder directshow)
# No audio in the output: asked for, or none in the source, in every kind; no video when the
# source has none.
foreach(profile "AVI MPEG-4 640x480" "MPEG-1 VCD PAL 352x288" "3GP MPEG-4 320x240 AAC" "MP4 H.264 640x480"
                "MOV MPEG-4 320x240" "FLV 320x240")
  string(REGEX REPLACE "[^A-Za-z0-9]+" "_" id "${profile}")
  engine_conversion_check(DisableAudio_${id} bars_mpeg4_mp3.avi "${profile}.pf" noaudio
    -- --disable-audio)
  engine_conversion_check(VideoOnly_${id} video_only.avi "${profile}.pf" noaudio --)
  engine_conversion_check(AudioOnly_${id} audio_only.wav "${profile}.pf" novideo --)
endforeach()
# The display aspect: the source's, scaled by the crop, or the typed one.
engine_conversion_check(Anamorphic anamorphic_720x480.mp4 "MP4 MPEG-4 320x240.pf" aspect=16:9 noaudio --)
engine_conversion_check(AnamorphicCropped anamorphic_720x480.mp4 "AVI MPEG-4 640x480.pf" aspect=4:3 noaudio
  -- --crop 90 90 0 0)
engine_conversion_check(AspectTyped anamorphic_720x480.mp4 "MP4 MPEG-4 320x240.pf" aspect=4:3 noaudio
  -- --aspect 4:3)
# The chosen audio stream of a file with two: its tone and its rate.
engine_conversion_check(SecondAudioStream two_streams.mkv ${conversion_dir}/KeepSourceAudio.pf
  tone=880 rate=22050 -- --streams 0 1)
engine_conversion_check(FirstAudioStream two_streams.mkv ${conversion_dir}/KeepSourceAudio.pf
  tone=440 rate=44100 -- --streams 0 0)
engine_conversion_check(NoAudioStreamChosen two_streams.mkv ${conversion_dir}/KeepSourceAudio.pf
  tone=440 rate=44100 -- --streams 0 -1 --decoder directshow)
# Stopped half a second into the source: a finished, shorter file.
engine_conversion_check(StoppedEarly bars_mpeg4_mp3.avi "MPEG-2 DVD PAL 720x576.pf" stopped
  -- --stop-at 0.5)
engine_conversion_check(StoppedEarlyDirectShow bars_mpeg4_mp3.avi "MP4 H.264 640x480.pf" stopped
  -- --stop-at 0.5 --decoder directshow)
