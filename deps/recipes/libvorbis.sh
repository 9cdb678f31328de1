# libvorbis with libvorbisenc, static, built on libogg.
DEB_SOURCE=libvorbis
DEPENDS="libogg"
build() {
  cd src
  configure_cross --with-ogg="$DEP_libogg" --disable-docs --disable-examples --disable-oggtest
  make -j "$JOBS"
  make install
}
