# The dialog look: the built-in frame without a skin, the text objects (labels,
# picture-font labels, captions) and translucency (alpha blending, fade-in, shadow).
list(APPEND SKIN_FORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Default.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_TextObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Translucency.cpp)
