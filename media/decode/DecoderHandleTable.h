#pragma once
// The open decoder handles of mcdecode.dll, reachable from any thread.
#include <map>
#include <memory>
#include <mutex>

#include "media/contracts/DecoderLibrary.h"
#include "media/decode/DecoderSession.h"

namespace mcdecode {

class DecoderHandleTable {
 public:
  // A new handle (never 0).
  DecoderHandle Create();
  // The handle's session; null for an unknown handle.
  std::shared_ptr<DecoderSession> Find(DecoderHandle handle) const;
  // Takes the handle out of the table and answers its session (null when unknown).
  std::shared_ptr<DecoderSession> Remove(DecoderHandle handle);

 private:
  mutable std::mutex mutex_;
  std::map<DecoderHandle, std::shared_ptr<DecoderSession>> sessions_;
  DecoderHandle last_ = 0;
};

}  // namespace mcdecode
