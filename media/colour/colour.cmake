# mccolour.dll converts with the media core's colour conversion.
list(APPEND mccolour_LIBS mediacore)
