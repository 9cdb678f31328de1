# Tests of the class library's graphics (included by tests/classlib/CMakeLists.txt).
enable_language(RC)
set(graphics_test_dir ${CMAKE_CURRENT_SOURCE_DIR}/graphics)
set(graphics_gen_dir ${CMAKE_CURRENT_BINARY_DIR}/graphics_generated)
file(MAKE_DIRECTORY ${graphics_gen_dir})

# The 16-colour glyph resource is generated at build time (no binary file in the tree).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${graphics_gen_dir}/glyph13.bmp ${graphics_gen_dir}/GlyphRows.h
  COMMAND Python3::Interpreter ${graphics_test_dir}/make_glyph_bitmap.py
          ${graphics_gen_dir}/glyph13.bmp ${graphics_gen_dir}/GlyphRows.h
  DEPENDS ${graphics_test_dir}/make_glyph_bitmap.py
  COMMENT "Generating the 16-colour test glyph")
file(WRITE ${graphics_gen_dir}/GraphicsTest.rc.in "GLYPH13 BITMAP \"${graphics_gen_dir}/glyph13.bmp\"\n")
configure_file(${graphics_gen_dir}/GraphicsTest.rc.in ${graphics_gen_dir}/GraphicsTest.rc COPYONLY)
set_source_files_properties(${graphics_gen_dir}/GraphicsTest.rc PROPERTIES
  OBJECT_DEPENDS ${graphics_gen_dir}/glyph13.bmp)
add_custom_target(classlib_graphics_test_glyph DEPENDS ${graphics_gen_dir}/GlyphRows.h)

converter_test(classlib_graphics_tests classlib
  SOURCES
    graphics/BitmapTest.cpp
    graphics/CanvasTest.cpp
    graphics/ColorsTest.cpp
    graphics/CursorsTest.cpp
    graphics/FontTest.cpp
    graphics/ImageListTest.cpp
    graphics/MetafileTest.cpp
    graphics/PictureTest.cpp
    ${graphics_gen_dir}/GraphicsTest.rc
  LIBS classlib_graphics shell32)
target_include_directories(classlib_graphics_tests PRIVATE ${graphics_gen_dir})
add_dependencies(classlib_graphics_tests classlib_graphics_test_glyph)

# Writes a 160 x 120 JPEG that the native ffprobe then reads.
add_executable(classlib_graphics_jpeg_writer ${graphics_test_dir}/JpegWriter.cpp)
target_link_libraries(classlib_graphics_jpeg_writer PRIVATE classlib_graphics)
add_test(NAME classlib.Graphics.JpegReadByFfprobe
  COMMAND sh ${graphics_test_dir}/jpeg_ffprobe.sh ${WINE_RUN} $<TARGET_FILE:classlib_graphics_jpeg_writer>
          ${CMAKE_CURRENT_BINARY_DIR}/graphics_ffprobe)
set_tests_properties(classlib.Graphics.JpegReadByFfprobe PROPERTIES TIMEOUT 120)
