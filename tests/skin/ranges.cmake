# Skinned value controls (gauge, scroll bar, track bar, slider) on the display: faces
# from the bases' test skin, real input, timers driven through their seams, a form.
converter_test(skin_ranges_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/RangesFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/GaugeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/ScrollBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/TrackBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/SliderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/FormTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 120)
target_include_directories(skin_ranges_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/controls)
add_form_resources(skin_ranges_tests ${CMAKE_CURRENT_LIST_DIR}/ranges/RangesForm.form)
