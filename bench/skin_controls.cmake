# The skinned controls against the class library's system counterparts (part of
# skin_benchmark): the skinned popup menu against the system popup menu.
if(TARGET skin_controls)
  add_executable(skin_controls_bench ${CMAKE_CURRENT_LIST_DIR}/SkinControlsBench.cpp)
  target_link_libraries(skin_controls_bench PRIVATE skin_controls)
  add_custom_target(skin_controls_bench_run
    COMMAND ${WINE_RUN} $<TARGET_FILE:skin_controls_bench>
    DEPENDS skin_controls_bench
    USES_TERMINAL
    VERBATIM)
  add_dependencies(skin_benchmark skin_controls_bench_run)
endif()
