# The skinned-control bases: geometry and faces painted into memory, then windows on the
# display (regions, blending, re-skinning, forms placing the bases).
converter_test(skin_controls_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/GeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/FaceTest.cpp
  LIBS skin_controls skin_test_support)

converter_test(skin_controls_display_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/RegionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/BlendTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/FormTest.cpp
    ${CMAKE_SOURCE_DIR}/tests/classlib/formres/Defaults.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 120)
target_include_directories(skin_controls_display_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/classlib/formres)
add_form_resources(skin_controls_display_tests ${CMAKE_CURRENT_LIST_DIR}/controls/BasesForm.form)
