# libjpeg-turbo, static, with its SIMD assembly (nasm).
DEB_SOURCE=libjpeg-turbo
DEPENDS=""
build() {
  cmake_cross src -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DWITH_TURBOJPEG=OFF \
    -DCMAKE_ASM_NASM_COMPILER=nasm -DCMAKE_SYSTEM_PROCESSOR="$ARCH"
}
