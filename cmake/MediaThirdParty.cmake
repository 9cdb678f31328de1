# The media stack built by deps/recipes: one imported target per library, each carrying
# what it is built on, so a codec stand-in links what it needs with one line and needs no
# DLL beyond Windows' own.
thirdparty_library(thirdparty::x264 ${DEPS_X264_PREFIX} LIBS x264)
thirdparty_library(thirdparty::lame ${DEPS_LAME_PREFIX} LIBS mp3lame)
thirdparty_library(thirdparty::ogg ${DEPS_LIBOGG_PREFIX} LIBS ogg)
thirdparty_library(thirdparty::vorbis ${DEPS_LIBVORBIS_PREFIX} LIBS vorbisenc vorbisfile vorbis
  DEPENDS thirdparty::ogg)
thirdparty_library(thirdparty::opencore_amr ${DEPS_OPENCORE_AMR_PREFIX}
  LIBS opencore-amrnb opencore-amrwb)
thirdparty_library(thirdparty::vo_amrwbenc ${DEPS_VO_AMRWBENC_PREFIX} LIBS vo-amrwbenc)

# libFLAC's headers declare DLL imports unless told the library is static.
thirdparty_library(thirdparty::flac ${DEPS_FLAC_PREFIX} LIBS FLAC)
target_compile_definitions(thirdparty::flac INTERFACE FLAC__NO_DLL)

# Musepack encoder libraries; the encoder program's sources (mpcenc.c and its companions)
# are staged in MPCENC_SOURCE_DIR for the MPC plug-in to build on.
thirdparty_library(thirdparty::mpcenc ${DEPS_LIBMPC_PREFIX} LIBS mpcpsy mpcenc SYSTEM_LIBS winmm)
target_include_directories(thirdparty::mpcenc SYSTEM INTERFACE ${DEPS_LIBMPC_PREFIX}/include/mpcenc)
# The libraries were built with the fast approximations that their headers switch on.
target_compile_definitions(thirdparty::mpcenc INTERFACE FAST_MATH CVD_FASTLOG)
set(MPCENC_SOURCE_DIR ${DEPS_LIBMPC_PREFIX}/share/mpcenc)

# FFmpeg's libraries with every external encoder they were configured with.
thirdparty_library(thirdparty::ffmpeg ${DEPS_FFMPEG_PREFIX}
  LIBS avformat avcodec swscale swresample avutil
  DEPENDS thirdparty::x264 thirdparty::lame thirdparty::vorbis thirdparty::opencore_amr
          thirdparty::vo_amrwbenc thirdparty::zlib
  SYSTEM_LIBS ole32 user32 bcrypt atomic)
# FFmpeg's command-line tool, the peer of the conversion benchmark.
set(FFMPEG_EXE ${DEPS_FFMPEG_PREFIX}/bin/ffmpeg.exe)
