# The effect bitmap's blends and drawing against AlphaBlend and BitBlt (part of skin_benchmark).
add_executable(skin_effects_bench ${CMAKE_CURRENT_LIST_DIR}/SkinEffectsBench.cpp)
target_link_libraries(skin_effects_bench PRIVATE skin_data msimg32)
add_custom_target(skin_effects_bench_run
  COMMAND ${WINE_RUN} $<TARGET_FILE:skin_effects_bench>
  DEPENDS skin_effects_bench
  USES_TERMINAL
  VERBATIM)
add_dependencies(skin_benchmark skin_effects_bench_run)
