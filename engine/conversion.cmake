# Video conversion: the encoder objects, the conversion job with its stream choice, the
# stand-in of the stream-choice dialog until the windows exist, and the encoder plug-in
# wrappers of the run.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Encoderobject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Codecencoderobjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Convertjob.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Standinselectstream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Encoderwrappers.cpp)
list(APPEND ENGINE_LIBS classlib_windowing)
