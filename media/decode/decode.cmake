# Decoder handles of mcdecode.dll over the media core.
list(APPEND mcdecode_SOURCES ${CMAKE_CURRENT_LIST_DIR}/DecoderSession.cpp)
list(APPEND mcdecode_LIBS mediacore)
