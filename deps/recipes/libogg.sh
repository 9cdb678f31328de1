# libogg: the Ogg container layer under libvorbis.
DEB_SOURCE=libogg
DEPENDS=""
build() {
  cd src
  configure_cross
  make -j "$JOBS"
  make install
}
