# Skinned value controls: gauge, scroll bar, track bar and slider.
list(APPEND SKIN_CONTROLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Gauge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_RangeClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_RangeDrawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ScrollBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_ScrollBarInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Slider.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_SliderInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_TrackBar.cpp)

# The built-in pictures, drawn at configure time (no picture in the tree) and compiled as
# bitmap resources named after their files: the slider's "SP_HTB", "SP_HRL", "SP_VTB" and
# "SP_VRL", the style pickers' "SP_GRAD_*", "SP_BRUSH_*", "SP_PEN_*", "SP_PEN1".."SP_PEN6"
# and "SP_SHADOW1".."SP_SHADOW21", and the buttons bar's "SP_BB_UP" and "SP_BB_DOWN".
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(slider_pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/slider_pictures)
execute_process(COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_LIST_DIR}/make_slider_pictures.py
                        ${slider_pictures_dir} COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_slider_pictures.py)
set(slider_pictures_rc "")
file(GLOB slider_picture_files ${slider_pictures_dir}/*.bmp)
foreach(file IN LISTS slider_picture_files)
  get_filename_component(name ${file} NAME_WE)
  string(APPEND slider_pictures_rc "${name} BITMAP \"${file}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${slider_pictures_dir}/SliderPictures.rc CONTENT "${slider_pictures_rc}")
enable_language(RC)
add_library(skin_slider_pictures OBJECT ${slider_pictures_dir}/SliderPictures.rc)
list(APPEND SKIN_CONTROLS_OBJECTS skin_slider_pictures)
