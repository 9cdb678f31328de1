# VisualOn AMR-WB encoder, static.
DEB_SOURCE=vo-amrwbenc
DEPENDS=""
build() {
  cd src
  configure_cross --disable-example
  make -j "$JOBS"
  make install
}
