// Times taken: any bytes, as a photo or video file, give a time or none without
// crashing, reading out of bounds or outrunning the reader's limits.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/media/MediaCaptureTimes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const varnoke::MediaCaptureTimes setUp;  // the libraries' one-time set-up
  (void)setUp;
  // Small limits, so that the growing photo prefix and the video's byte budget are met.
  varnoke::ReadBounds bounds;
  bounds.PhotoFirstBytes = 512;
  bounds.PhotoMaxBytes = 2048;
  bounds.VideoMaxBytes = 2048;
  bounds.VideoDeadline = std::chrono::milliseconds(500);
  varnoke::MemorySource source(std::span<const std::uint8_t>(data, size));
  const auto started = std::chrono::steady_clock::now();
  const auto stamp = varnoke::ReadTakenStamp(source, bounds);
  if (std::chrono::steady_clock::now() - started > std::chrono::seconds(5)) std::abort();
  if (stamp && stamp->OffsetMinutes && std::abs(*stamp->OffsetMinutes) > 24 * 60) std::abort();
  return 0;
}
