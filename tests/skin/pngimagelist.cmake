# The PNG image list over the imaging PNG fixtures and 36 x 13 pictures written here by
# python3-png.
find_program(SKIN_PNG_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
add_test(NAME skin.PngListPictures
  COMMAND ${SKIN_PNG_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/make_png_list_pictures.py
          ${CMAKE_BINARY_DIR}/bin/skin-png-list)
set_tests_properties(skin.PngListPictures PROPERTIES FIXTURES_SETUP skin_png_list TIMEOUT 120)

converter_test(skin_png_image_list_tests skin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PngImageListTest.cpp
  LIBS skin_data
  PROPERTIES FIXTURES_REQUIRED png_files)
set_property(TEST skin.png_image_list_tests APPEND PROPERTY FIXTURES_REQUIRED skin_png_list)
