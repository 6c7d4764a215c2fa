#pragma once
// One instance at a time: an exclusive lock on "Varnoke_Mutex_Object.lock" in the
// user's runtime directory, held for the life of the process. The kernel drops it when
// the process ends in any way, so a crash leaves nothing that stops the next start.
// Beside it lies "Varnoke_Transfer", the socket on which the holder takes the
// parameters of later starts.
#include <string>
#include <string_view>

namespace varnoke {

// $XDG_RUNTIME_DIR when it is an absolute directory of ours that only we may enter,
// else /tmp/runtime-<uid> made so (0700); empty when neither can be had safely.
std::string RuntimeDirectory();

class InstanceLock {
 public:
  enum class State { Ours, Theirs, Unavailable };

  explicit InstanceLock(const std::string& runtimeDirectory);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State Held() const { return state_; }
  // Where the holder listens for the parameters of later starts.
  const std::string& ChannelPath() const { return channel_; }

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
  std::string channel_;
};

// A later start's hand-over: connects to the holder's socket and writes every byte;
// false when nobody listens there or the bytes could not all be written.
bool SendToChannel(const std::string& channelPath, std::string_view bytes);

}  // namespace varnoke
