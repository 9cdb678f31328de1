# The skinned list box against the class library's owner-drawn list (part of
# skin_benchmark): filling 5,000 items with HorizontalExtent on and paging through them.
if(TARGET skin_boxes)
  add_executable(skin_boxes_bench ${CMAKE_CURRENT_LIST_DIR}/SkinBoxesBench.cpp)
  target_link_libraries(skin_boxes_bench PRIVATE skin_boxes)
  add_custom_target(skin_boxes_bench_run
    COMMAND ${WINE_RUN} $<TARGET_FILE:skin_boxes_bench>
    DEPENDS skin_boxes_bench
    USES_TERMINAL
    VERBATIM)
  add_dependencies(skin_benchmark skin_boxes_bench_run)
endif()
