# The sparse lists behind the string grid: no windows, runs beside the others.
converter_test(skin_sparse_tests skin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grids/SparseListTest.cpp
  LIBS skin_shell)
# The skinned grid: its model and geometry (tables without a window) and its painting on
# the display, looks from the test skin.
converter_test(skin_grids_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/grids/GridModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grids/GridGeometryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grids/GridPaintTest.cpp
  LIBS skin_shell skin_test_support window_test_support
  SERIAL)
target_include_directories(skin_grids_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/grids)
