# Audio conversion: presets, the plug-in host and audio-only jobs in-process with test
# plug-ins, and every preset of the real plug-ins through the console driver, read back by
# the native ffprobe and ffmpeg (check_audio_conversion.py).
if(NOT TARGET engine OR NOT TARGET convertdriver)
  return()
endif()

set(audio_dir ${CMAKE_CURRENT_LIST_DIR}/audio)

# The recorder plug-in and two that cannot be called, from one source.
foreach(kind "" _no_module _null_entries)
  add_library(test_audio_plugin${kind} SHARED ${audio_dir}/TestAudioPlugins.cpp)
  set_target_properties(test_audio_plugin${kind} PROPERTIES PREFIX "")
  target_link_libraries(test_audio_plugin${kind} PRIVATE media_contracts)
  if(TARGET_ARCH STREQUAL "i686")
    target_link_options(test_audio_plugin${kind} PRIVATE -Wl,--kill-at)
  endif()
endforeach()
target_compile_definitions(test_audio_plugin_no_module PRIVATE TEST_PLUGIN_NO_MODULE)
target_compile_definitions(test_audio_plugin_null_entries PRIVATE TEST_PLUGIN_NULL_ENTRIES)

converter_test(engine_audio_tests engine
  SOURCES
    ${audio_dir}/AudioHostTest.cpp
    ${audio_dir}/AudioJobTest.cpp
    ${audio_dir}/AudioPresetsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/conversion/ConversionTestSupport.cpp
  LIBS engine
  TIMEOUT 300
  PROPERTIES FIXTURES_REQUIRED media_files)
add_dependencies(engine_audio_tests test_audio_plugin test_audio_plugin_no_module test_audio_plugin_null_entries
  shipped_profiles)
add_dependencies(engine_audio_tests mp3enc wavenc oggenc flacenc aacenc mpcenc apeenc)

# The audio table: one test, engine.AudioOutput, a row per check.
converter_table(engine.AudioOutput ${audio_dir}/check_audio_conversion.py convertdriver
  PROPERTIES FIXTURES_REQUIRED media_files)
# engine_audio_check(NAME SOURCE PRESET [checks...] -- [driver options...]): one row.
function(engine_audio_check name source preset)
  converter_table_row(engine.AudioOutput ${name} ${source} ${preset} ${ARGN})
endfunction()

# Every preset of the four plug-ins on the 48 kHz stereo clip.
set(mp3_cbr 128 192 320 256 224 192 160 128 112 96 80 64 56 48 40 32)
foreach(index RANGE 0 31)
  set(extra "")
  if(index LESS 16)
    list(GET mp3_cbr ${index} kbps)
    set(extra cbr=${kbps})
    # Below 64 kbit/s LAME writes no info frame, so decoders keep its delay and padding.
    if(kbps LESS 64)
      list(APPEND extra tolerance=0.1)
    endif()
  elseif(index EQUAL 31)
    set(extra cbr=320)
  endif()
  engine_audio_check(mp3_${index} bars_h264_aac.mp4 mp3:${index} codec=mp3 rate=mpeg channels=2 ${extra})
endforeach()
set(wav_presets "pcm_s16le 44100 2" "pcm_s16le 22050 2" "pcm_s16le 11025 2" "pcm_s16le 44100 1"
                "pcm_s16le 22050 1" "pcm_s16le 11025 1" "adpcm_ms 44100 2" "adpcm_ms 22050 2")
foreach(index RANGE 0 7)
  list(GET wav_presets ${index} row)
  string(REPLACE " " ";" row "${row}")
  list(GET row 0 codec)
  list(GET row 1 rate)
  list(GET row 2 channels)
  engine_audio_check(wav_${index} bars_h264_aac.mp4 wav:${index} codec=${codec} rate=${rate} channels=${channels})
endforeach()
foreach(index RANGE 0 19)
  engine_audio_check(ogg_${index} bars_h264_aac.mp4 ogg:${index} codec=vorbis rate=48000 channels=2)
endforeach()
engine_audio_check(flac_0 bars_h264_aac.mp4 flac:0 codec=flac rate=48000 channels=2)

# Other sources: six channels delivered as two, a mono MP3, PCM kept bit for bit.
engine_audio_check(surround_to_mp3 surround_6ch.m4a "mp3:CBR 128 kbit/s" codec=mp3 channels=2)
engine_audio_check(surround_to_wav_mono surround_6ch.m4a "wav:Standard 22,050Hz Mono" rate=22050 channels=1)
engine_audio_check(mono_to_ogg mono_22050.mp3 ogg:0 codec=vorbis rate=22050 channels=1)
engine_audio_check(mono_to_wav_stereo mono_22050.mp3 wav:0 rate=44100 channels=2)
engine_audio_check(wav_to_flac_bitexact audio_only.wav flac:0 codec=flac bitexact)
engine_audio_check(wav_to_wav_bitexact audio_only.wav wav:0 codec=pcm_s16le bitexact)
# Custom pairs: the MP3 stream behind a RIFF header; WAV in A-law at the source's rate.
# (no info frame there, so the decoder keeps the encoder's delay and padding: two frames)
engine_audio_check(mp3_riff bars_h264_aac.mp4 mp3:5 codec=mp3 notags tolerance=0.06 -- --param 40 1)
engine_audio_check(wav_alaw bars_h264_aac.mp4 wav:0 codec=pcm_alaw rate=48000 -- --param 0 17 --param 1 -1)
# Stopped half a second into the source: a finished, shorter file. (MP3 only: FLAC encodes
# the 3 s clip faster than the driver's stop timer can reach it.)
engine_audio_check(stopped_mp3 bars_h264_aac.mp4 mp3:5 stopped -- --stop-at 0.5)

# AAC: every preset at its average bit rate (automatic: 128 kbit/s for stereo) on noise,
# where the encoder has use for every bit; each setting of the dialog taking effect. ADTS
# has no place for the encoder's delay, so decoders keep it and the last frame's padding:
# up to two frames (43 ms at 48 kHz, 93 ms at 22,050 Hz) longer than the source.
set(aac_rates 128 160 128 112 96 64)
foreach(index RANGE 0 5)
  list(GET aac_rates ${index} kbps)
  engine_audio_check(aac_${index} noise_48000_stereo.wav aac:${index} codec=aac rate=48000 channels=2 kbps=${kbps}
    profile=LC adts_id=1 tolerance=0.043)
endforeach()
engine_audio_check(aac_mpeg4 noise_48000_stereo.wav aac:2 adts_id=0 tolerance=0.043 -- --param 3 0)
engine_audio_check(aac_main bars_h264_aac.mp4 aac:2 profile=Main tolerance=0.043 -- --param 4 0)
engine_audio_check(aac_ltp bars_h264_aac.mp4 aac:2 profile=LTP tolerance=0.043 -- --param 4 3)
engine_audio_check(aac_quality_low noise_48000_stereo.wav aac:2 maxkbps=100 tolerance=0.043 -- --param 1 5)
engine_audio_check(aac_quality_high noise_48000_stereo.wav aac:2 minkbps=160 tolerance=0.043 -- --param 1 100)
engine_audio_check(aac_bandwidth noise_48000_stereo.wav aac:2 cutoff=8000 tolerance=0.043 -- --param 2 8000)
engine_audio_check(aac_mono mono_22050.mp3 aac:0 codec=aac rate=22050 channels=1 tolerance=0.093)

# Musepack: every preset at the encoder's rate nearest the source's; quality 8 ("Braindead")
# against quality 2 ("Telephone"). The decoder gives up to two frames (1152 samples each) more.
foreach(index RANGE 0 6)
  engine_audio_check(mpc_${index} bars_h264_aac.mp4 mpc:${index} codec=musepack8 rate=48000 channels=2)
endforeach()
engine_audio_check(mpc_larger noise_48000_stereo.wav mpc:6 larger_than=mpc:1 tolerance=0.048)
engine_audio_check(mpc_mono mono_22050.mp3 mpc:0 codec=musepack8 rate=32000 channels=1)

# APE: every level on silence, a tone and noise, mono and stereo, at four rates, decoding to
# the samples the plug-in received and seeking; the ID3v1 tag in place of the APEv2 one.
foreach(index RANGE 0 3)
  engine_audio_check(ape_${index}_silence silence_8000_mono.wav ape:${index} codec=ape rate=8000 channels=1 bitexact)
  engine_audio_check(ape_${index}_tone tone_22050_stereo.wav ape:${index} codec=ape rate=22050 channels=2 bitexact seek)
  engine_audio_check(ape_${index}_noise noise_48000_stereo.wav ape:${index} codec=ape rate=48000 channels=2 bitexact)
  engine_audio_check(ape_${index}_noise_mono noise_44100_mono.wav ape:${index} codec=ape rate=44100 channels=1 bitexact seek)
endforeach()
engine_audio_check(ape_id3v1 audio_only.wav ape:3 codec=ape bitexact id3v1 -- --param 0 1)
