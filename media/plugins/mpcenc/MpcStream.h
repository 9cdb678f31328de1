#pragma once
/* A Musepack SV8 stream fed with 16-bit interleaved samples as they come, written by the
   encoder core of the Musepack encoder program. One stream at a time: the encoder core
   keeps its state in process-wide variables. */
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct MpcStream MpcStream;

/* The sample rates the encoder takes; MpcStreamOpen refuses others. */
extern const int kMpcStreamRates[4];
/* The quality range of the encoder's profiles. */
#define MPC_STREAM_MIN_QUALITY 0.0f
#define MPC_STREAM_MAX_QUALITY 10.0f

/* Writes the stream's header to `file`, which it owns from then on (even on failure); the
   title and year (either may be empty) go into the APEv2 tag written at the end. Null on
   failure. */
MpcStream* MpcStreamOpen(FILE* file, int rate, int channels, float quality, const char* title,
                         const char* year);
/* `count` samples per channel, interleaved in the stream's channel count. */
int MpcStreamWrite(MpcStream* stream, const short* samples, int count);
/* Encodes what is held, writes the seek table, the final sample count and the tag, closes
   the file and frees the stream; 0 on success. */
int MpcStreamClose(MpcStream* stream);
/* Frees the stream and closes its file without finishing it. */
void MpcStreamAbandon(MpcStream* stream);

#ifdef __cplusplus
}
#endif
