# Track bars, gauges, frame gauges, frame regulators and animations on real skinned forms:
# faces by pixel on a strip of flat-coloured frames, values under real pointer input and
# by name, the animation timer's steps, and animations as caption buttons of a dialog.
converter_test(skin_valueobjects_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/valueobjects/ValueObjectsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/valueobjects/AnimateObjectTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menus/MenuFixture.cpp
  LIBS skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
