# GoogleTest and GoogleMock for the test programs, from Debian's source package.
LOCAL_PACKAGE=googletest
LOCAL_SOURCE_DIR=/usr/src/googletest
DEPENDS=""
build() {
  cmake_cross src -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
}
