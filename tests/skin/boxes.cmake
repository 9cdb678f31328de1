# The skinned list box on the display: the row, column and horizontal bars mirroring the
# inner list, wheel and keys, the forwarded events, item faces in both looks, images and
# tab stops, the caption strip and the height for a number of rows.
converter_test(skin_boxes_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/RangesFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxSkinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxItemsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxCaptionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxFormTest.cpp
  LIBS skin_boxes skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 120)
target_include_directories(skin_boxes_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/controls ${CMAKE_CURRENT_LIST_DIR}/ranges)
add_form_resources(skin_boxes_tests ${CMAKE_CURRENT_LIST_DIR}/boxes/ListBoxForm.form)
