// Entries of mcdecode.dll: decoder handles over the media core. No exception leaves an
// entry: any failure answers false (0 for a handle).
#include "media/contracts/DecoderLibrary.h"
#include "media/core/HandleTable.h"
#include "media/decode/DecoderSession.h"

namespace {

using SessionTable = mediacore::HandleTable<std::shared_ptr<mcdecode::DecoderSession>>;

// Never destroyed: at process exit no playing thread is left to join.
SessionTable& Handles() {
  static auto* table = new SessionTable;
  return *table;
}

// Runs `body` with the handle's session; `failure` for an unknown handle or an exception.
template <typename Result, typename Body>
Result WithSession(DecoderHandle handle, Result failure, Body&& body) noexcept {
  try {
    const auto session = Handles().Find(handle);
    return session ? body(**session) : failure;
  } catch (...) {
    return failure;
  }
}

}  // namespace

extern "C" {

DecoderHandle MC_CALL CreateDecoderHandle() {
  try {
    return Handles().Add(std::make_shared<mcdecode::DecoderSession>());
  } catch (...) {
    return 0;
  }
}

void MC_CALL DestroyDecoderHandle(DecoderHandle handle) {
  try {
    const auto session = Handles().Remove(handle);
    if (session) (*session)->Shutdown();
  } catch (...) {
  }
}

Bool8 MC_CALL OpenDecoderHandle(DecoderHandle handle, const DecoderOpenBlock* block) {
  return WithSession<Bool8>(handle, 0, [&](mcdecode::DecoderSession& session) {
    return Bool8(block != nullptr && session.Open(*block));
  });
}

Bool8 MC_CALL GetDecoderMediaInfo(DecoderHandle handle, DecoderMediaInfo* info) {
  return WithSession<Bool8>(handle, 0, [&](mcdecode::DecoderSession& session) {
    return Bool8(info != nullptr && session.GetMediaInfo(*info));
  });
}

Bool8 MC_CALL SetDecoderRange(DecoderHandle handle, double start, double end) {
  return WithSession<Bool8>(handle, 0, [&](mcdecode::DecoderSession& session) {
    return Bool8(session.SetRange(start, end));
  });
}

// No option is known: every value is accepted and ignored.
Bool8 MC_CALL SetDecoderOption(DecoderHandle handle, std::int32_t) {
  return WithSession<Bool8>(handle, 0, [](mcdecode::DecoderSession&) { return Bool8(1); });
}

Bool8 MC_CALL RunDecoder(DecoderHandle handle) {
  return WithSession<Bool8>(handle, 0,
                            [](mcdecode::DecoderSession& session) { return Bool8(session.Run()); });
}

Bool8 MC_CALL PauseDecoder(DecoderHandle handle) {
  return WithSession<Bool8>(handle, 0,
                            [](mcdecode::DecoderSession& session) { return Bool8(session.Pause()); });
}

Bool8 MC_CALL GetDecoderPosition(DecoderHandle handle, double* position) {
  return WithSession<Bool8>(handle, 0, [&](mcdecode::DecoderSession& session) {
    return Bool8(position != nullptr && session.GetPosition(*position));
  });
}

Bool8 MC_CALL SeekDecoder(DecoderHandle handle, double time) {
  return WithSession<Bool8>(handle, 0, [&](mcdecode::DecoderSession& session) {
    return Bool8(session.Seek(time));
  });
}

std::int32_t MC_CALL GetDecoderState(DecoderHandle handle) {
  return WithSession<std::int32_t>(handle, DecoderStopped, [](mcdecode::DecoderSession& session) {
    return session.State();
  });
}

}  // extern "C"
