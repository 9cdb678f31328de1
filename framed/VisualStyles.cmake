# Visual styles: a program runs with the system's visual styles only when its manifest
# asks for the common controls of version 6. The converter ships without that manifest,
# so the framed controls draw their own frames; CONVERTER_VISUAL_STYLES keeps the other
# way open.
enable_language(RC)
option(CONVERTER_VISUAL_STYLES "Give the converter the visual-styles manifest" OFF)
set(FRAMED_STYLES_RC ${CMAKE_CURRENT_BINARY_DIR}/VisualStyles.rc CACHE INTERNAL "The visual-styles manifest resource")
file(CONFIGURE OUTPUT ${FRAMED_STYLES_RC}
  CONTENT "1 24 \"${CMAKE_CURRENT_SOURCE_DIR}/VisualStyles.manifest\"\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/VisualStyles.manifest)

# Embeds the visual-styles manifest in `target` (a program).
function(framed_visual_styles target)
  target_sources(${target} PRIVATE ${FRAMED_STYLES_RC})
endfunction()

# The converter's own program: the manifest only with CONVERTER_VISUAL_STYLES on.
function(framed_program_styles target)
  if(CONVERTER_VISUAL_STYLES)
    framed_visual_styles(${target})
  endif()
endfunction()
