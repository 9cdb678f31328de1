# FFmpeg 5.1: static avcodec, avformat, avutil, swscale and swresample (plus the avfilter
# that its command-line tool needs) for the codec library stand-ins, and ffmpeg.exe, the
# peer the conversion benchmark runs beside our engine. Only the listed encoders and
# muxers, but every decoder, demuxer and parser; no network, devices or hardware support.
DEB_SOURCE=ffmpeg
DEPENDS="x264 lame libogg libvorbis opencore-amr vo-amrwbenc"

FFMPEG_ENCODERS="mpeg4 msmpeg4v2 msmpeg4v3 mjpeg libx264 zlib png rawvideo h263 flv
  mpeg1video mpeg2video svq1 wmv1 wmv2 rv10 rv20 libmp3lame pcm_s16le pcm_s16be adpcm_ms
  adpcm_ima_wav pcm_alaw pcm_mulaw ac3 mp2 libvorbis aac libopencore_amrnb libvo_amrwbenc
  wmav1 wmav2 ra_144"
FFMPEG_MUXERS="avi mpeg1system mpeg2dvd mpeg2vob tgp tg2 mp4 mov flv asf rm wav adts null"
# The filters the command-line tool inserts for format, size, rate and sample conversion.
FFMPEG_FILTERS="scale aresample fps setpts asetpts pad crop setsar setdar copy acopy"

build() {
  cd src
  local inc="" lib="" dep
  for dep in $DEPENDS; do
    dep=DEP_${dep//-/_}
    inc+=" -I${!dep}/include"
    lib+=" -L${!dep}/lib"
  done
  # ffmpeg.exe is linked -static like our programs, so it needs no zlib or pthread DLL.
  # On i686 SSE2 comes from --cpu=pentium4: a bare -msse2 makes mingw gcc realign the
  # stack, which takes the frame pointer that the CABAC inline assembly needs.
  local cpu="--arch=x86_64"
  [ "$ARCH" = i686 ] && cpu="--arch=x86 --cpu=pentium4"
  ./configure --prefix="$PREFIX" \
    --enable-cross-compile $cpu --target-os=mingw32 --cross-prefix="$HOST-" \
    --cc="$HOST-gcc-posix" --cxx="$HOST-g++-posix" \
    --pkg-config=pkg-config --pkg-config-flags=--static \
    --extra-cflags="-mfpmath=sse$inc" --extra-ldflags="-static$lib" \
    --enable-gpl --enable-version3 --enable-static --disable-shared \
    --disable-autodetect --enable-w32threads --enable-zlib \
    --disable-network --disable-devices --disable-hwaccels --disable-doc --disable-debug \
    --disable-everything --disable-postproc --disable-avdevice \
    --disable-ffprobe --disable-ffplay --enable-ffmpeg \
    --enable-libx264 --enable-libmp3lame --enable-libvorbis \
    --enable-libopencore-amrnb --enable-libopencore-amrwb --enable-libvo-amrwbenc \
    --enable-decoders --enable-demuxers --enable-parsers --enable-bsfs \
    --enable-protocol=file,pipe \
    $(for x in $FFMPEG_ENCODERS; do printf -- '--enable-encoder=%s ' "$x"; done) \
    $(for x in $FFMPEG_MUXERS; do printf -- '--enable-muxer=%s ' "$x"; done) \
    $(for x in $FFMPEG_FILTERS; do printf -- '--enable-filter=%s ' "$x"; done)
  make -j "$JOBS"
  make install
}
