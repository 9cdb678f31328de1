# The sparse lists behind the string grid: no windows, runs beside the others.
converter_test(skin_sparse_tests skin
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grids/SparseListTest.cpp
  LIBS skin_shell)
