// Entries of mcdecode.dll. No decoder is available yet: every entry answers failure.
#include "media/contracts/DecoderLibrary.h"

extern "C" {

DecoderHandle MC_CALL CreateDecoderHandle() { return 0; }

void MC_CALL DestroyDecoderHandle(DecoderHandle) {}

Bool8 MC_CALL OpenDecoderHandle(DecoderHandle, const DecoderOpenBlock*) { return 0; }

Bool8 MC_CALL GetDecoderMediaInfo(DecoderHandle, DecoderMediaInfo*) { return 0; }

Bool8 MC_CALL SetDecoderRange(DecoderHandle, double, double) { return 0; }

Bool8 MC_CALL SetDecoderOption(DecoderHandle, std::int32_t) { return 0; }

Bool8 MC_CALL RunDecoder(DecoderHandle) { return 0; }

Bool8 MC_CALL PauseDecoder(DecoderHandle) { return 0; }

Bool8 MC_CALL GetDecoderPosition(DecoderHandle, double*) { return 0; }

Bool8 MC_CALL SeekDecoder(DecoderHandle, double) { return 0; }

std::int32_t MC_CALL GetDecoderState(DecoderHandle) { return DecoderStopped; }

}  // extern "C"
