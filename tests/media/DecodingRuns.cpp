#include "tests/media/DecodingRuns.h"

#include "media/contracts/CodecLibrary.h"
#include "media/contracts/DecoderLibrary.h"

namespace decodingtest {

DeliveryRecord RunDecoderLibrary(const std::string& path, double clipStart, double clipEnd) {
  DecodingRecorder& recorder = DecodingRecorder::Instance();
  const DecoderHandle handle = CreateDecoderHandle();
  if (handle == 0) return {};
  SetDecoderRange(handle, clipStart, clipEnd);
  DecoderOpenBlock block{};
  block.deliverFrames = 1;
  block.blockKind = 1;
  block.fileName = path.c_str();
  block.useVideo = block.useAudio = block.deliverAudio = 1;
  block.pixelFormat = PixelFormatI420;
  block.formatProc = &DecodingRecorder::Format<DecoderMediaInfo>;
  block.videoProc = &DecodingRecorder::Video;
  block.audioProc = &DecodingRecorder::Audio;
  block.endProc = &DecodingRecorder::End;
  if (OpenDecoderHandle(handle, &block) && RunDecoder(handle)) {
    recorder.WaitFor([&](const DeliveryRecord& r) {
      return r.ends > 0 || GetDecoderState(handle) == DecoderStopped;
    }, kRunTimeoutMs);
  }
  DestroyDecoderHandle(handle);
  return recorder.Snapshot();
}

DeliveryRecord RunDecoderObject(const std::string& path, double clipStart, double clipEnd) {
  DecoderObject* object = CreateDecoderObject(path.c_str());
  DecoderObjectOpenBlock block{};
  block.useVideo = block.useAudio = 1;
  block.pixelFormat = PixelFormatI420;
  block.formatProc = &DecodingRecorder::Format<DecoderObjectInfo>;
  block.videoProc = &DecodingRecorder::Video;
  block.audioProc = &DecodingRecorder::Audio;
  block.endProc = &DecodingRecorder::End;
  if (object->Open(&block) == kCallOk) {
    object->SetRange(clipStart, clipEnd);
    if (object->Prepare() == kCallOk) object->Run();
  }
  object->Close();
  ReleaseDecoderObject(object);
  return DecodingRecorder::Instance().Snapshot();
}

}  // namespace decodingtest
