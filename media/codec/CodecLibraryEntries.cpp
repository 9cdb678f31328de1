// Entries of mccodec.dll. No exception leaves an entry; a decoder object that cannot be
// made is answered by a closed one.
#include "media/codec/CallGuard.h"
#include "media/codec/ClosedDecoderObject.h"
#include "media/codec/ColourConverterImpl.h"
#include "media/codec/DecoderObjectImpl.h"
#include "media/codec/EncoderContextImpl.h"
#include "media/codec/FrameConverterImpl.h"
#include "media/contracts/CodecLibrary.h"

namespace {

// The object answered when even a closed one cannot be allocated.
ClosedDecoderObject fallbackDecoderObject;

}  // namespace

extern "C" {

EncoderContext* MC_CALL CreateEncoderContext(const char* outputPath) {
  return mccodec::Guarded<EncoderContext*>(nullptr, [&] {
    return new mccodec::EncoderContextImpl(outputPath != nullptr ? outputPath : "");
  });
}

void MC_CALL ReleaseEncoderContext(EncoderContext* context) {
  mccodec::Guarded(0, [&] {
    delete static_cast<mccodec::EncoderContextImpl*>(context);
    return 0;
  });
}

FrameConverter* MC_CALL CreateFrameConverter() {
  return mccodec::Guarded<FrameConverter*>(nullptr,
                                           [] { return new mccodec::FrameConverterImpl; });
}

void MC_CALL ReleaseFrameConverter(FrameConverter* converter) {
  mccodec::Guarded(0, [&] {
    delete static_cast<mccodec::FrameConverterImpl*>(converter);
    return 0;
  });
}

DecoderObject* MC_CALL CreateDecoderObject(const char* sourcePath) {
  DecoderObject* object = mccodec::Guarded<DecoderObject*>(nullptr, [&] {
    return new mccodec::DecoderObjectImpl(sourcePath != nullptr ? sourcePath : "");
  });
  return object != nullptr ? object : &fallbackDecoderObject;
}

void MC_CALL ReleaseDecoderObject(DecoderObject* object) {
  if (object == nullptr || object == &fallbackDecoderObject) return;
  // Closing waits for a run on another thread to leave its callbacks.
  mccodec::Guarded(0, [&] {
    delete static_cast<mccodec::DecoderObjectImpl*>(object);
    return 0;
  });
}

ColourConverter* MC_CALL CreateColourConverter() {
  return mccodec::Guarded<ColourConverter*>(nullptr,
                                            [] { return new mccodec::ColourConverterImpl; });
}

void MC_CALL ReleaseColourConverter(ColourConverter* converter) {
  mccodec::Guarded(0, [&] {
    delete static_cast<mccodec::ColourConverterImpl*>(converter);
    return 0;
  });
}

}  // extern "C"
