# The form-skinning component on real forms: painting and regions captured from the
# screen, the skin changes, the areas and the component's take-over (the display is kept).
converter_test(skin_form_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form/FormPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/FormReskinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/FormSkinnerTest.cpp
  LIBS skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
