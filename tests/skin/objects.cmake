# Skin objects and the pointer on real skinned forms: object clicks, faces, hover and
# morphing, hints, hit tests, caption buttons, window states, dragging and magnetic edges.
converter_test(skin_objects_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form/FormObjectsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form/FormPointerTest.cpp
  LIBS skin_form skin_test_support window_test_support
  SERIAL TIMEOUT 300)
