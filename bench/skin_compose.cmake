# The drawing toolbox's composition against StretchBlt and its skin regions against
# ExtCreateRegion (part of skin_benchmark).
add_executable(skin_compose_bench ${CMAKE_CURRENT_LIST_DIR}/SkinComposeBench.cpp)
target_link_libraries(skin_compose_bench PRIVATE skin_data)
add_custom_target(skin_compose_bench_run
  COMMAND ${WINE_RUN} $<TARGET_FILE:skin_compose_bench>
  DEPENDS skin_compose_bench
  USES_TERMINAL
  VERBATIM)
add_dependencies(skin_benchmark skin_compose_bench_run)
