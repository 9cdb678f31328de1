#pragma once
// The texts of the PNG picture format's messages, kept under their fixed numbers so that
// a translated table can replace them without touching the code.
#include "classlib/runtime/AnsiString.h"

enum TPngMessage : int {
  EPNGNoImageDataText = 65504,
  EPNGCannotAddChunkText = 65505,
  EPNGCannotAddInvalidImageText = 65506,
  EPNGCouldNotLoadResourceText = 65507,
  EPNGOutMemoryText = 65508,
  EPNGCannotChangeTransparentText = 65509,
  EPNGHeaderNotPresentText = 65510,
  EPNGInvalidNewSizeText = 65511,
  EPNGInvalidSpecText = 65512,
  EPNGInvalidCRCText = 65520,
  EPNGInvalidIHDRText = 65521,
  EPNGMissingMultipleIDATText = 65522,
  EPNGZLIBErrorText = 65523,
  EPNGInvalidPaletteText = 65524,
  EPNGInvalidFileHeaderText = 65525,
  EPNGIHDRNotFirstText = 65526,
  EPNGNotExistsText = 65527,
  EPNGSizeExceedsText = 65528,
  EPNGUnknownPalEntryText = 65529,
  EPNGMissingPaletteText = 65530,
  EPNGUnknownCriticalChunkText = 65531,
  EPNGUnknownCompressionText = 65532,
  EPNGUnknownInterlaceText = 65533,
  EPNGCannotAssignChunkText = 65534,
  EPNGUnexpectedEndText = 65535,
};

// The text of a message number; an unknown number answers "".
AnsiString PngText(TPngMessage message);

// zlib's result codes as the decoder reports them: "data error (-3)", "stream end (1)",
// ...; a code outside -6 to 2 answers "".
AnsiString ZlibResultText(int code);
