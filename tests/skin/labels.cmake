# Skinned labels and bevel: text and lines painted into memory from the looks of the
# bases' test skin.
converter_test(skin_controls_labels_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/controls/SkinControlsFixtures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/StdLabelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/BevelTest.cpp
  LIBS skin_controls skin_test_support)
