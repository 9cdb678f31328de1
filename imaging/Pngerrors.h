#pragma once
// The exceptions of the PNG picture format. Each carries its fixed text (Pnglang.h).
#include "classlib/runtime/Exceptions.h"
#include "imaging/Pnglang.h"

CLASSLIB_EXCEPTION(EPNGNoImageData, Exception)
CLASSLIB_EXCEPTION(EPngError, Exception)
CLASSLIB_EXCEPTION(EPNGCouldNotLoadResource, Exception)
CLASSLIB_EXCEPTION(EPNGOutMemory, Exception)
CLASSLIB_EXCEPTION(EPNGCannotChangeTransparent, Exception)
CLASSLIB_EXCEPTION(EPNGHeaderNotPresent, Exception)
CLASSLIB_EXCEPTION(EPNGInvalidNewSize, Exception)
CLASSLIB_EXCEPTION(EPNGInvalidSpec, Exception)
CLASSLIB_EXCEPTION(EPngInvalidCRC, Exception)
CLASSLIB_EXCEPTION(EPngInvalidIHDR, Exception)
CLASSLIB_EXCEPTION(EPNGMissingMultipleIDAT, Exception)
CLASSLIB_EXCEPTION(EPNGZLIBError, Exception)
CLASSLIB_EXCEPTION(EPNGInvalidPalette, Exception)
CLASSLIB_EXCEPTION(EPNGInvalidFileHeader, Exception)
CLASSLIB_EXCEPTION(EPNGIHDRNotFirst, Exception)
CLASSLIB_EXCEPTION(EPNGNotExists, Exception)
CLASSLIB_EXCEPTION(EPNGSizeExceeds, Exception)
CLASSLIB_EXCEPTION(EPNGMissingPalette, Exception)
CLASSLIB_EXCEPTION(EPNGUnknownCriticalChunk, Exception)
CLASSLIB_EXCEPTION(EPNGUnknownCompression, Exception)
CLASSLIB_EXCEPTION(EPNGUnknownInterlace, Exception)
CLASSLIB_EXCEPTION(EPngUnexpectedEnd, Exception)

// Raises an exception of class E with `message`; every failure of the format goes here.
template <class E>
[[noreturn]] void RaiseError(const AnsiString& message) {
  throw E(message);
}

// Raises an exception of class E with the text of a message number.
template <class E>
[[noreturn]] void RaiseError(TPngMessage message) {
  RaiseError<E>(PngText(message));
}
