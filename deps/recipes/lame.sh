# LAME: the MP3 encoder library (libmp3lame), static, without its command-line front end.
DEB_SOURCE=lame
DEPENDS=""
build() {
  cd src
  configure_cross --disable-frontend --disable-gtktest
  make -j "$JOBS"
  make install
}
