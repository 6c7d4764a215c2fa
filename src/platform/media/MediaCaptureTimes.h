#pragma once
// Times taken read with Debian's libraries made for the job: Exiv2 for photo metadata
// (JPEG, TIFF and the raw formats built on it, PNG, WebP, HEIF/AVIF/CR3) and
// MediaInfoLib for video containers (QuickTime/MP4, Matroska/WebM, AVI, MPEG-TS and
// more). Neither parses more than a bounded number of bytes of a file, the video
// reader also stops at a deadline, and every failure counts as "no time taken".
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "platform/CaptureTimes.h"

namespace varnoke {

// Where the bytes of one file come from: the file itself, or memory (the fuzzer).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads up to out.size() bytes at `offset`; returns how many it read.
  virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// Bytes held in memory (the fuzzer's input, a test's file), counting what is read of them.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  explicit MemorySource(std::string_view bytes)
      : bytes_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (offset >= bytes_.size()) return 0;
    const std::size_t n = std::min<std::size_t>(out.size(), bytes_.size() - offset);
    std::memcpy(out.data(), bytes_.data() + offset, n);
    read_ += n;
    return n;
  }
  std::size_t BytesRead() const { return read_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t read_ = 0;
};

struct ReadBounds {
  // Photo metadata lies near the start: the parser first gets this many bytes and more,
  // up to the limit, only when the metadata reaches past them.
  std::size_t PhotoFirstBytes = 64 * 1024;
  std::size_t PhotoMaxBytes = 16 * 1024 * 1024;
  // A video's header may lie at its end: the reader follows the library's seeks but
  // hands it no more than this many bytes in all, for no longer than the deadline.
  std::size_t VideoMaxBytes = 16 * 1024 * 1024;
  std::chrono::milliseconds VideoDeadline{2000};
};

// The time taken recorded in the bytes of `source`, or none.
std::optional<TakenStamp> ReadTakenStamp(ByteSource& source, const ReadBounds& bounds = {});

class MediaCaptureTimes final : public CaptureTimes {
 public:
  // Sets the libraries up once (their global state is not safe to set up from several
  // threads) and silences their warnings about damaged files.
  MediaCaptureTimes();
  TakenRead Read(const std::string& path) override;
};

}  // namespace varnoke
