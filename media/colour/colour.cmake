# Conversion handles of mccolour.dll, over the media core's colour conversion.
list(APPEND mccolour_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ColourConversionTable.cpp)
list(APPEND mccolour_LIBS mediacore)
