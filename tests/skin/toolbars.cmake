# The skinned tool bar on a shown form: scrolling with its non-client buttons, the
# settings and looks it keeps its speed buttons in step with; the skinned control and buttons bars.
converter_test(skin_toolbars_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buttons/ButtonFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbars/ButtonsBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbars/ControlBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbars/ToolBarTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres classlib_stdctrls
  SERIAL TIMEOUT 240)
target_include_directories(skin_toolbars_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/buttons)
