# PNG pictures. The fixtures are written into the build tree by a script over Debian's
# python3-png, which also writes the samples it decodes from each of them.
find_program(PNG_FIXTURE_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME imaging.PngFixtures
  COMMAND ${PNG_FIXTURE_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/make_png_fixtures.py
          ${CMAKE_BINARY_DIR}/bin/png-fixtures)
set_tests_properties(imaging.PngFixtures PROPERTIES FIXTURES_SETUP png_files TIMEOUT 120)

converter_test(imaging_png_tests imaging
  SOURCES
    png_chunks_test.cpp
    png_decode_test.cpp
    png_draw_test.cpp
    png_encode_test.cpp
    png_errors_test.cpp
    png_object_test.cpp
    png_test_support.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_SOURCE_DIR}/imaging_test_main.cpp
  PROPERTIES FIXTURES_REQUIRED png_files)

# Pictures written for other readers: the export tests write them into the build tree,
# then python3-png decodes each to its source samples and pngcheck must accept it.
converter_test(imaging_png_export_tests imaging
  SOURCES
    png_export_test.cpp
    png_test_support.cpp
  LIBS imaging
  MAIN ${CMAKE_CURRENT_SOURCE_DIR}/imaging_test_main.cpp
  PROPERTIES FIXTURES_REQUIRED png_files FIXTURES_SETUP png_written)
add_test(NAME imaging.PngOtherReaders
  COMMAND ${PNG_FIXTURE_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/check_written_pngs.py
          ${CMAKE_BINARY_DIR}/bin/png-written)
set_tests_properties(imaging.PngOtherReaders PROPERTIES FIXTURES_REQUIRED png_written TIMEOUT 120)
