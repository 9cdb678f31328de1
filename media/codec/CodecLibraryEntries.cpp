// Entries of mccodec.dll. No encoder or converter is available yet: the creating entries
// answer none, and every decoder object is a closed one.
#include <new>

#include "media/codec/ClosedDecoderObject.h"
#include "media/contracts/CodecLibrary.h"

namespace {

// The object answered when even a closed one cannot be allocated.
ClosedDecoderObject fallbackDecoderObject;

}  // namespace

extern "C" {

EncoderContext* MC_CALL CreateEncoderContext(const char*) { return nullptr; }

void MC_CALL ReleaseEncoderContext(EncoderContext*) {}

FrameConverter* MC_CALL CreateFrameConverter() { return nullptr; }

void MC_CALL ReleaseFrameConverter(FrameConverter*) {}

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
