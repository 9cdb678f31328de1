# Video conversion: the encoder objects, the conversion job with its stream choice, and
# stand-ins of the two program windows the engine reaches (the stream-choice dialog and
# the resource holder) until the windows exist.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Encoderobject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Codecencoderobjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Convertjob.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Standinselectstream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Standinresourceform.cpp)
list(APPEND ENGINE_LIBS classlib_windowing)
