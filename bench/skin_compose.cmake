# `cmake --build <build> --target skin_bench` prints the drawing toolbox's ratios against
# the plain system calls (composition against StretchBlt, skin regions against
# ExtCreateRegion).
add_executable(skin_compose_bench ${CMAKE_CURRENT_LIST_DIR}/SkinComposeBench.cpp)
target_link_libraries(skin_compose_bench PRIVATE skin_data)
add_custom_target(skin_compose_bench_run
  COMMAND ${WINE_RUN} $<TARGET_FILE:skin_compose_bench>
  DEPENDS skin_compose_bench
  USES_TERMINAL
  VERBATIM)
if(NOT TARGET skin_bench)
  add_custom_target(skin_bench)
endif()
add_dependencies(skin_bench skin_compose_bench_run)
