# Skinned views on the display: tree view and list view with their attached bars and the
# list's skinned column header, the skinned header control and rich edit, and a form
# placing them all.
converter_test(skin_views_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ranges/RangesFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/ViewsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/ViewLookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/ListViewBarsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/TreeViewBarsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/ListHeaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/HeaderControlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/RichEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/views/ViewsFormTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 180)
target_include_directories(skin_views_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/controls ${CMAKE_CURRENT_LIST_DIR}/ranges)
add_form_resources(skin_views_tests ${CMAKE_CURRENT_LIST_DIR}/views/ViewsForm.form)
