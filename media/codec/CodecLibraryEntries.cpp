// Entries of mccodec.dll. Encoder contexts and frame converters are made here; no colour
// converter is available yet (its entry answers none), and every decoder object is a
// closed one.
#include <new>

#include "media/codec/CallGuard.h"
#include "media/codec/ClosedDecoderObject.h"
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

DecoderObject* MC_CALL CreateDecoderObject(const char*) {
  DecoderObject* object = new (std::nothrow) ClosedDecoderObject;
  return object != nullptr ? object : &fallbackDecoderObject;
}

void MC_CALL ReleaseDecoderObject(DecoderObject* object) {
  if (object == nullptr || object == &fallbackDecoderObject) return;
  object->Close();
  delete static_cast<ClosedDecoderObject*>(object);
}

ColourConverter* MC_CALL CreateColourConverter() { return nullptr; }

void MC_CALL ReleaseColourConverter(ColourConverter*) {}

}  // extern "C"
