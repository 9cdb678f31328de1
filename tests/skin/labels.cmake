# Skinned labels and bevel: text and lines painted into memory from the looks of the
# bases' test skin.
converter_test(skin_controls_labels_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/StdLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/BevelTest.cpp
  LIBS skin_controls skin_test_support)

# Panels, status bar, framed, text, link and button labels on windows of the display, and
# a form placing them all.
converter_test(skin_controls_surfaces_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/ReskinRelay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/FramedLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/PanelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/StatusBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/TextLinkLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/LabelsFormTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 120)
add_form_resources(skin_controls_surfaces_tests ${CMAKE_CURRENT_LIST_DIR}/controls/LabelsForm.form)
