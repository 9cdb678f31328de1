# The component itself: take-over, geometry and region, painting, size limits, skin
# application and re-skinning, the window procedure; the skin components.
list(APPEND SKIN_FORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Component.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Reskin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_Sizing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_SkinComponent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Formskinner_WndProc.cpp)
