# Helpers for the recipes in deps/recipes. A recipe sets DEB_SOURCE (Debian source
# package) or LOCAL_PACKAGE (an installed package shipping its sources), DEPENDS, and
# defines build(), run in the work folder with the source in ./src.
# Environment: PREFIX (install here), JOBS, HOST (mingw triplet), ARCH (x86_64 or i686),
# TOOLCHAIN, DEP_<name> (prefixes).

fetch_source() {
  if [ -n "${DEB_SOURCE:-}" ]; then
    apt-get source -qq "$DEB_SOURCE" </dev/null
    local dir
    dir=$(find . -mindepth 1 -maxdepth 1 -type d | head -n 1)
    mv "$dir" src
  else
    cp -a "$LOCAL_SOURCE_DIR" src
  fi
}

# Configures, builds and installs a CMake project with the cross toolchain.
cmake_cross() { # cmake_cross SOURCE_DIR [cmake args...]
  local srcdir=$1; shift
  cmake -S "$srcdir" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    -DCMAKE_CROSSCOMPILING_EMULATOR= "$@"
  cmake --build build -j "$JOBS"
  cmake --install build
}

# Runs an autoconf configure for the cross host with the static flags.
configure_cross() { # configure_cross [configure args...]
  ./configure --host="$HOST" --prefix="$PREFIX" --enable-static --disable-shared \
    CC="$HOST-gcc-posix" CXX="$HOST-g++-posix" \
    CFLAGS="-O2 -msse2 -mfpmath=sse" CXXFLAGS="-O2 -msse2 -mfpmath=sse" "$@"
}
