# x264: the H.264 encoder behind FFmpeg's libx264, 8-bit, static, with its nasm assembly.
DEB_SOURCE=x264
DEPENDS=""
build() {
  cd src
  CC="$HOST-gcc-posix" ./configure --host="$HOST" --cross-prefix="$HOST-" --prefix="$PREFIX" \
    --enable-static --disable-cli --enable-win32thread --bit-depth=8 --chroma-format=all \
    --disable-opencl --disable-lavf --disable-swscale --disable-ffms --disable-gpac --disable-lsmash \
    --extra-cflags="-msse2 -mfpmath=sse"
  make -j "$JOBS"
  make install
}
