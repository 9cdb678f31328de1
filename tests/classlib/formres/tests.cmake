# Tests of the form resources (included by tests/classlib/CMakeLists.txt).
set(formres_gen_dir ${CMAKE_CURRENT_BINARY_DIR}/formres_generated)

# Every form file of the source tree, for the test that parses them all.
file(GLOB_RECURSE formres_tree_forms CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.form ${CMAKE_SOURCE_DIR}/classlib/*.form ${CMAKE_SOURCE_DIR}/skin/*.form
  ${CMAKE_SOURCE_DIR}/framed/*.form ${CMAKE_SOURCE_DIR}/tests/*.form)
set(formres_list "")
foreach(form ${formres_tree_forms})
  string(APPEND formres_list "    \"${form}\",\n")
endforeach()
file(CONFIGURE OUTPUT ${formres_gen_dir}/FormFileList.h
  CONTENT "#pragma once\n// Generated: the form files of the source tree.\ninline const char* const kFormFiles[] = {\n${formres_list}};\n")

# A bitmap resource that a form names (written at configure time: no binary in the tree).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/formres/make_glyph.py
                        ${formres_gen_dir}/glyph.bmp COMMAND_ERROR_IS_FATAL ANY)
file(CONFIGURE OUTPUT ${formres_gen_dir}/Glyph.rc CONTENT "FORMRES_GLYPH BITMAP \"${formres_gen_dir}/glyph.bmp\"\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/formres/make_glyph.py)

converter_test(classlib_formres_tests classlib
  SOURCES
    formres/Defaults.cpp
    formres/FormReaderTest.cpp
    formres/FormTextTest.cpp
    formres/TestComponents.cpp
    formres/TestForms.cpp
    ${formres_gen_dir}/Glyph.rc
  LIBS classlib_formres)
target_include_directories(classlib_formres_tests PRIVATE ${formres_gen_dir})
add_form_resources(classlib_formres_tests
  formres/OrderForm.form
  formres/HolderForm.form
  formres/BadForm.form)

# Forms with windows on the display: keeps it to itself.
converter_test(classlib_formres_display_tests classlib
  SOURCES formres/Defaults.cpp formres/WindowedFormTest.cpp
  LIBS classlib_formres
  SERIAL TIMEOUT 60)
add_form_resources(classlib_formres_display_tests formres/PanelForm.form)
