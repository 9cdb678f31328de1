# The skinned page control with its sheets and the skinned tab control (Skintabs: the
# shared core, painting, the two controls, form resources).
list(APPEND SKIN_SHELL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skintabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skintabs_Classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skintabs_Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skintabs_Paint.cpp)
