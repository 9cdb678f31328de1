# The skinned report view against the class library's plain list view (part of
# skin_benchmark): 10,000 owner-data rows paged from top to bottom, each page painted. The
# quick run (200 rows) is a test that checks only that the benchmark runs.
if(TARGET skin_controls)
  add_executable(skin_views_bench ${CMAKE_CURRENT_LIST_DIR}/SkinViewsBench.cpp)
  target_link_libraries(skin_views_bench PRIVATE skin_controls)
  add_dependencies(skin_views_bench shipped_skins)
  add_custom_target(skin_views_bench_run
    COMMAND ${WINE_RUN} $<TARGET_FILE:skin_views_bench>
    DEPENDS skin_views_bench
    USES_TERMINAL
    VERBATIM)
  add_dependencies(skin_benchmark skin_views_bench_run)
  add_test(NAME skin.ViewsBench.QuickRun COMMAND ${WINE_RUN} $<TARGET_FILE:skin_views_bench> 200
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(skin.ViewsBench.QuickRun PROPERTIES TIMEOUT 300 RESOURCE_LOCK display)
endif()
