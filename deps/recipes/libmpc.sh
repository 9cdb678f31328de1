# Musepack encoder: the libmpcenc (bit stream, quantiser, filter bank) and libmpcpsy
# (psychoacoustic model) static libraries, their headers, and the sources of the mpcenc
# encoder program (share/mpcenc/) from which the MPC plug-in builds its encoder.
DEB_SOURCE=libmpc
DEPENDS=""

# Debian's mirror here serves libmpc's upstream tarball but not its packaging tarball, so
# the upstream tarball is unpacked directly (Debian's changes concern its own packaging).
fetch_source() {
  apt-get source --download-only -qq "$DEB_SOURCE" </dev/null || true
  local orig
  orig=$(find . -maxdepth 1 -name "${DEB_SOURCE}_*.orig.tar.*" | head -n 1)
  [ -n "$orig" ] || { echo "libmpc: no upstream tarball downloaded" >&2; return 1; }
  mkdir src
  tar -xf "$orig" -C src --strip-components=1
}

build() {
  # Upstream's own CMake project also builds tools needing libraries Debian does not
  # cross-build (libcuefile, libreplaygain); this one builds only the encoder parts.
  # Init_FastMath fills four tables that are declared const without an initialiser, which
  # today's compilers place in read-only memory: make them plain (writable) arrays.
  sed -i 's/^const float  tab/float  tab/' src/common/fastmath.c
  sed -i 's/^extern const float  tab/extern float  tab/' src/include/mpc/mpcmath.h
  cat >CMakeLists.txt <<'CMAKE'
cmake_minimum_required(VERSION 3.13)
project(musepack_encoder C)
set(S ${CMAKE_CURRENT_SOURCE_DIR}/src)
add_compile_definitions(FAST_MATH CVD_FASTLOG)
include_directories(${S}/include ${S}/libmpcenc ${S}/libmpcpsy)
add_library(mpcenc STATIC ${S}/libmpcenc/analy_filter.c ${S}/libmpcenc/bitstream.c
  ${S}/libmpcenc/encode_sv7.c ${S}/libmpcenc/huffsv7.c ${S}/libmpcenc/quant.c ${S}/common/crc32.c)
add_library(mpcpsy STATIC ${S}/libmpcpsy/ans.c ${S}/libmpcpsy/cvd.c ${S}/libmpcpsy/fft4g.c
  ${S}/libmpcpsy/fft_routines.c ${S}/libmpcpsy/profile.c ${S}/libmpcpsy/psy.c
  ${S}/libmpcpsy/psy_tab.c ${S}/common/fastmath.c)
install(TARGETS mpcenc mpcpsy ARCHIVE DESTINATION lib)
install(DIRECTORY ${S}/include/mpc DESTINATION include)
install(FILES ${S}/libmpcenc/libmpcenc.h ${S}/libmpcpsy/libmpcpsy.h DESTINATION include/mpcenc)
file(GLOB program_sources ${S}/mpcenc/*.c ${S}/mpcenc/*.h)
install(FILES ${program_sources} ${S}/common/tags.c DESTINATION share/mpcenc)
CMAKE
  cmake_cross .
}
