# The images menu with real windows and input, a push button bound to it, and a form
# resource holding a hint component and an images menu.
converter_test(skin_imagesmenu_tests skin
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/imagesmenu/ImagesMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/imagesmenu/MenuHintFormTest.cpp
  LIBS skin_controls skin_test_support window_test_support classlib_formres
  SERIAL TIMEOUT 300)
add_form_resources(skin_imagesmenu_tests ${CMAKE_CURRENT_LIST_DIR}/imagesmenu/MenuHintForm.form)
