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

converter_test(classlib_formres_tests classlib
  SOURCES
    formres/FormReaderTest.cpp
    formres/FormTextTest.cpp
    formres/TestComponents.cpp
    formres/TestForms.cpp
  LIBS classlib_formres)
target_include_directories(classlib_formres_tests PRIVATE ${formres_gen_dir})
add_form_resources(classlib_formres_tests
  formres/OrderForm.form
  formres/HolderForm.form
  formres/BadForm.form)

# Forms with windows on the display: keeps it to itself.
converter_test(classlib_formres_display_tests classlib
  SOURCES formres/WindowedFormTest.cpp
  LIBS classlib_formres
  SERIAL TIMEOUT 60)
add_form_resources(classlib_formres_display_tests formres/PanelForm.form)
