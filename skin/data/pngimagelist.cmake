# The image list of PNG pictures (over the imaging library's PNG unit).
list(APPEND SKIN_DATA_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Sppngimagelist.cpp)
list(APPEND SKIN_DATA_LIBS imaging)
