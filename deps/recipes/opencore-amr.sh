# OpenCORE AMR: the AMR-NB encoder and decoder (and the AMR-WB decoder), static.
DEB_SOURCE=opencore-amr
DEPENDS=""
build() {
  cd src
  configure_cross --disable-examples
  make -j "$JOBS"
  make install
}
