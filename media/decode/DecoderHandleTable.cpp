#include "media/decode/DecoderHandleTable.h"

namespace mcdecode {

DecoderHandle DecoderHandleTable::Create() {
  auto session = std::make_shared<DecoderSession>();
  std::lock_guard<std::mutex> lock(mutex_);
  do {
    ++last_;
  } while (last_ == 0 || sessions_.count(last_) != 0);
  sessions_.emplace(last_, std::move(session));
  return last_;
}

std::shared_ptr<DecoderSession> DecoderHandleTable::Find(DecoderHandle handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sessions_.find(handle);
  return found == sessions_.end() ? nullptr : found->second;
}

std::shared_ptr<DecoderSession> DecoderHandleTable::Remove(DecoderHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sessions_.find(handle);
  if (found == sessions_.end()) return nullptr;
  auto session = std::move(found->second);
  sessions_.erase(found);
  return session;
}

}  // namespace mcdecode
