/* The encoder program's unit is built in here (without its main) so that its core steps,
   which are private to it, run block by block on samples handed over in memory instead of
   on a WAV file read in one go. */
#define main mpcenc_program_main
#include "mpcenc.c"
#undef main

#include "MpcStream.h"

const int kMpcStreamRates[4] = {32000, 37800, 44100, 48000};

/* The header's sample count is 32 bits; a stream is written with a day's samples as its
   nominal length (which also sizes the seek table) and its real count at the end. */
static const mpc_uint64_t kNominalSeconds = 86400;

struct MpcStream {
  PsyModel m;
  mpc_encoder_t e;
  PCMDataTyp pcm;        /* the block being filled at CENTER, with the history before it */
  SubbandFloatTyp x[32];
  int channels;
  mpc_uint64_t limit;    /* samples per channel the stream can take */
  mpc_uint64_t written;  /* samples per channel received */
  unsigned int blocks;   /* blocks encoded */
  unsigned int held;     /* samples of the block being filled */
  int heard;             /* a sample of the held block is not zero */
  int lastSilent;
  int started;
  mpc_uint32_t infoSize;
};

static int RateAccepted(int rate) {
  for (size_t i = 0; i < sizeof kMpcStreamRates / sizeof kMpcStreamRates[0]; i++)
    if (kMpcStreamRates[i] == rate) return 1;
  return 0;
}

static void AddTag(const char* key, const char* value) {
  if (value != NULL && *value != '\0') addtag(key, strlen(key), value, strlen(value), NoUnicode, 0);
}

static void WriteStreamInfo(MpcStream* s, mpc_uint64_t samples) {
  writeStreamInfo(&s->e, s->m.Max_Band, s->m.MS_Channelmode > 0, (unsigned int)samples, 0,
                  (unsigned int)s->m.SampleFreq, (unsigned int)s->channels);
}

static void Free(MpcStream* s) {
  Init_Tags();
  mpc_encoder_exit(&s->e);
  free(s);
}

MpcStream* MpcStreamOpen(FILE* file, int rate, int channels, float quality, const char* title,
                         const char* year) {
  static int fastMathReady = 0;
  MpcStream* s;
  if (file == NULL) return NULL;
  s = RateAccepted(rate) && (channels == 1 || channels == 2) ? calloc(1, sizeof *s) : NULL;
  if (s == NULL) {
    fclose(file);
    return NULL;
  }
  if (!fastMathReady) {
    Init_FastMath();
    fastMathReady = 1;
  }
  s->channels = channels;
  s->limit = kNominalSeconds * (mpc_uint64_t)rate;
  s->m.SCF_Index_L = (int*)s->e.SCF_Index_L;
  s->m.SCF_Index_R = (int*)s->e.SCF_Index_R;
  Init_Psychoakustik(&s->m);
  s->m.SampleFreq = rate;
  SetQualityParams(&s->m, quality);
  TestProfileParams(&s->m);
  mpc_encoder_init(&s->e, s->limit, FramesBlockPwr, SeekDistance);
  Init_Psychoakustiktabellen(&s->m);
  Init_Tags();
  AddTag("Title", title);
  AddTag("Year", year);

  s->e.outputFile = file;
  s->e.MS_Channelmode = s->m.MS_Channelmode;
  s->e.seek_ref = ftell(file);
  writeMagic(&s->e);
  WriteStreamInfo(s, s->limit);
  s->infoSize = writeBlock(&s->e, "SH", MPC_TRUE, 0);
  writeGainInfo(&s->e, 0, 0, 0, 0);
  writeBlock(&s->e, "RG", MPC_FALSE, 0);
  writeEncoderInfo(&s->e, s->m.FullQual, s->m.PNS > 0, MPCENC_MAJOR, MPCENC_MINOR, MPCENC_BUILD);
  writeBlock(&s->e, "EI", MPC_FALSE, 0);
  s->e.seek_ptr = ftell(file);
  writeBits(&s->e, 0, 16);
  writeBits(&s->e, 0, 24);  /* room for the seek table's offset */
  writeBlock(&s->e, "SO", MPC_FALSE, 0);
  if (ferror(file)) {
    MpcStreamAbandon(s);
    return NULL;
  }
  return s;
}

/* Sets the rest of the held block to the last sample received (silence before the
   first). */
static void PadHeldBlock(MpcStream* s) {
  const int at = CENTER + (int)s->held;
  const int hasPrevious = s->held > 0 || s->blocks > 0;
  fill_float(s->pcm.L + at, hasPrevious ? s->pcm.L[at - 1] : 0.f, BLOCK - s->held);
  fill_float(s->pcm.R + at, hasPrevious ? s->pcm.R[at - 1] : 0.f, BLOCK - s->held);
  fill_float(s->pcm.M + at, hasPrevious ? s->pcm.M[at - 1] : 0.f, BLOCK - s->held);
  fill_float(s->pcm.S + at, hasPrevious ? s->pcm.S[at - 1] : 0.f, BLOCK - s->held);
}

/* The encoder program's per-block core: analysis filter bank, psychoacoustic model, scale
   factors, bit allocation and quantisation (skipped for a second silent block in a row),
   then the frame. */
static void EncodeHeldBlock(MpcStream* s) {
  PsyModel* m = &s->m;
  mpc_encoder_t* e = &s->e;
  const int silent = !s->heard;
  SMRTyp smr;
  int transientL[PART_SHORT];
  int transientR[PART_SHORT];
  int transient[32];

  if (s->held < BLOCK) PadHeldBlock(s);
  if (!s->started) {
    fill_float(s->pcm.L, s->pcm.L[CENTER], CENTER);
    fill_float(s->pcm.R, s->pcm.R[CENTER], CENTER);
    fill_float(s->pcm.M, s->pcm.M[CENTER], CENTER);
    fill_float(s->pcm.S, s->pcm.S[CENTER], CENTER);
    Analyse_Init(s->pcm.L[CENTER], s->pcm.R[CENTER], s->x, m->Max_Band);
    s->started = 1;
  }
  memset(e->Res_L, 0, sizeof e->Res_L);
  memset(e->Res_R, 0, sizeof e->Res_R);
  if (!silent || !s->lastSilent) {
    Analyse_Filter(&s->pcm, s->x, m->Max_Band);
    smr = Psychoakustisches_Modell(m, 31, &s->pcm, transientL, transientR);
    if (m->minSMR > 0) RaiseSMR(m, m->Max_Band, &smr);
    if (m->MS_Channelmode > 0) MS_LR_Entscheidung(m->Max_Band, e->MS_Flag, &smr, s->x);
    SCF_Extraktion(m, e, m->Max_Band, s->x);
    TransientenCalc(transient, transientL, transientR);
    if (m->NS_Order > 0) NS_Analyse(m, m->Max_Band, e->MS_Flag, smr, transient);
    Allocate(m->Max_Band, e->Res_L, s->x[0].L, e->SCF_Index_L[0], m->SNR_comp_L, smr.L, Power_L, transient, m->PNS);
    Allocate(m->Max_Band, e->Res_R, s->x[0].R, e->SCF_Index_R[0], m->SNR_comp_R, smr.R, Power_R, transient, m->PNS);
    Quantisierung(m, m->Max_Band, e->Res_L, e->Res_R, s->x, e->Q);
  }
  s->lastSilent = silent;
  writeBitstream_SV8(e, m->Max_Band);

  memmove(s->pcm.L, s->pcm.L + BLOCK, CENTER * sizeof(float));
  memmove(s->pcm.R, s->pcm.R + BLOCK, CENTER * sizeof(float));
  memmove(s->pcm.M, s->pcm.M + BLOCK, CENTER * sizeof(float));
  memmove(s->pcm.S, s->pcm.S + BLOCK, CENTER * sizeof(float));
  s->blocks++;
  s->held = 0;
  s->heard = 0;
}

int MpcStreamWrite(MpcStream* s, const short* samples, int count) {
  if (s == NULL || count < 0 || s->written + (mpc_uint64_t)count > s->limit) return -1;
  for (int i = 0; i < count; i++, samples += s->channels) {
    const int at = CENTER + (int)s->held;
    const float l = samples[0] * ScalingFactorl + MPPENC_DENORMAL_FIX_LEFT;
    const float r = samples[s->channels - 1] * ScalingFactorr + MPPENC_DENORMAL_FIX_RIGHT;
    s->pcm.L[at] = l;
    s->pcm.R[at] = r;
    s->pcm.M[at] = (l + r) * 0.5f;
    s->pcm.S[at] = (l - r) * 0.5f;
    s->heard |= samples[0] != 0 || samples[s->channels - 1] != 0;
    if (++s->held == BLOCK) EncodeHeldBlock(s);
  }
  s->written += (mpc_uint64_t)count;
  return ferror(s->e.outputFile) ? -1 : 0;
}

int MpcStreamClose(MpcStream* s) {
  mpc_encoder_t* e;
  FILE* file;
  int failed;
  if (s == NULL) return -1;
  e = &s->e;
  file = e->outputFile;
  /* The decoder's delay is flushed with copies of the last sample. */
  while ((mpc_uint64_t)s->blocks * BLOCK < s->written + DECODER_DELAY) EncodeHeldBlock(s);
  if (e->framesInBlock != 0) {
    if ((e->block_cnt & ((1 << e->seek_pwr) - 1)) == 0) {
      e->seek_table[e->seek_pos] = ftell(file);
      e->seek_pos++;
    }
    e->block_cnt++;
    writeBlock(e, "AP", MPC_FALSE, 0);
  }
  writeSeekTable(e);
  writeBlock(e, "ST", MPC_FALSE, 0);
  writeBlock(e, "SE", MPC_FALSE, 0);
  fseek(file, e->seek_ref + 4, SEEK_SET);
  WriteStreamInfo(s, s->written);
  writeBlock(e, "SH", MPC_TRUE, s->infoSize);
  fseek(file, 0, SEEK_END);
  FinalizeTags(file, APE_Version, 0);
  failed = ferror(file) != 0;
  failed |= fclose(file) != 0;
  Free(s);
  return failed ? -1 : 0;
}

void MpcStreamAbandon(MpcStream* s) {
  if (s == NULL) return;
  fclose(s->e.outputFile);
  Free(s);
}
