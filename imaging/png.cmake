# PNG pictures: the picture class, its chunks, decoding and drawing.
list(APPEND IMAGING_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Pngancillary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngchunks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngcrc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngdraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngencode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngheader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngidat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngimage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pnglang.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pngzlib.cpp)
list(APPEND IMAGING_LIBS classlib_graphics thirdparty::zlib)
