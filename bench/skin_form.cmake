# Full-drag resizing of a skinned dialog against the same dialog unskinned (part of
# skin_benchmark).
add_executable(skin_form_bench ${CMAKE_CURRENT_LIST_DIR}/SkinFormBench.cpp)
target_link_libraries(skin_form_bench PRIVATE skin_form)
add_custom_target(skin_form_bench_run
  COMMAND ${WINE_RUN} $<TARGET_FILE:skin_form_bench>
  DEPENDS skin_form_bench
  USES_TERMINAL
  VERBATIM)
add_dependencies(skin_benchmark skin_form_bench_run)
