# Engine basics: shared routines, the environment, the decoder-mode table and the
# folder search thread.
list(APPEND ENGINE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Decodermodemap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Quorinvccommon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Quorinvcenvloader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Searchfilethread.cpp)
list(APPEND ENGINE_LIBS shell32)

# Build tool: scrambles the plain environment INI into the environment file (and back).
add_executable(edfscramble ${CMAKE_CURRENT_LIST_DIR}/tools/Edfscramble.cpp)
target_include_directories(edfscramble PRIVATE ${CMAKE_SOURCE_DIR})
