#include "platform/media/MediaCaptureTimes.h"

#include <MediaInfo/MediaInfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
// Exiv2 0.27 hands images out in std::auto_ptr, which C++20 marks deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#include <mutex>
#include <vector>

#include "platform/media/TakenText.h"
#include "platform/posix/Fd.h"
#include "platform/posix/PosixTime.h"

namespace varnoke {

namespace {

// Exiv2 types it reads as containers of moving pictures: the media library knows them
// better and reads them within bounds.
// (Exiv2::ImageType riff, mkv, qtime and asf, whose headers exiv2.hpp leaves out.) Exiv2
// takes every ISO media file for a still image: only HEIF, AVIF and Canon's raw brands
// are photos, an MP4 is a video.
bool IsVideoType(int type, std::span<const std::uint8_t> head) {
  if (type == 20 || type == 21 || type == 22 || type == 24) return true;
  if (type != Exiv2::ImageType::bmff) return false;
  if (head.size() < 12) return true;
  const std::string brand(reinterpret_cast<const char*>(head.data()) + 8, 4);
  for (const char* photo :
       {"heic", "heix", "heim", "heis", "mif1", "msf1", "avif", "avis", "crx ", "jxl "})
    if (brand == photo) return false;
  return true;
}

std::string ExifText(const Exiv2::ExifData& exif, const char* key) {
  const auto found = exif.findKey(Exiv2::ExifKey(key));
  return found == exif.end() ? std::string() : found->toString();
}

std::string XmpText(const Exiv2::XmpData& xmp, const char* key) {
  const auto found = xmp.findKey(Exiv2::XmpKey(key));
  return found == xmp.end() ? std::string() : found->toString();
}

// The original date, else the digitised one, else the same in XMP.
std::optional<TakenStamp> PhotoStamp(Exiv2::Image& image) {
  const Exiv2::ExifData& exif = image.exifData();
  if (auto s = ExifTaken(ExifText(exif, "Exif.Photo.DateTimeOriginal"),
                         ExifText(exif, "Exif.Photo.SubSecTimeOriginal"),
                         ExifText(exif, "Exif.Photo.OffsetTimeOriginal")))
    return s;
  if (auto s = ExifTaken(ExifText(exif, "Exif.Photo.DateTimeDigitized"),
                         ExifText(exif, "Exif.Photo.SubSecTimeDigitized"),
                         ExifText(exif, "Exif.Photo.OffsetTimeDigitized")))
    return s;
  const Exiv2::XmpData& xmp = image.xmpData();
  if (auto s = IsoTaken(XmpText(xmp, "Xmp.exif.DateTimeOriginal"))) return s;
  return IsoTaken(XmpText(xmp, "Xmp.xmp.CreateDate"));
}

std::vector<std::uint8_t> ReadPrefix(ByteSource& source, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  bytes.resize(source.ReadAt(0, bytes));
  return bytes;
}

// Parses a growing prefix of the file: a JPEG's metadata ends before its picture, so a
// JPEG parsed whole without a time has none; other formats may keep it further on.
std::optional<TakenStamp> ReadPhoto(ByteSource& source, int type, const ReadBounds& bounds) {
  for (std::size_t count = bounds.PhotoFirstBytes;; count *= 16) {
    count = std::min(count, bounds.PhotoMaxBytes);
    const bool whole = source.Size() <= count;
    const std::vector<std::uint8_t> bytes = ReadPrefix(source, count);
    bool parsed = false;
    try {
      Exiv2::Image::AutoPtr image =
          Exiv2::ImageFactory::open(bytes.data(), static_cast<long>(bytes.size()));
      if (image.get()) {
        image->readMetadata();
        parsed = true;
        if (auto stamp = PhotoStamp(*image)) return stamp;
      }
    } catch (const std::exception&) {
      // Damaged, or cut off by the prefix: a longer prefix may tell.
    }
    if (whole || count >= bounds.PhotoMaxBytes) return std::nullopt;
    if (parsed && type == Exiv2::ImageType::jpeg) return std::nullopt;
  }
}

// Feeds the media library from the file, following its seeks, within the byte budget
// and the deadline.
std::optional<TakenStamp> ReadVideo(ByteSource& source, const ReadBounds& bounds) {
  MediaInfoLib::MediaInfo info;
  info.Option(__T("ParseSpeed"), __T("0"));
  const std::uint64_t size = source.Size();
  const auto deadline = std::chrono::steady_clock::now() + bounds.VideoDeadline;
  std::vector<std::uint8_t> buffer(64 * 1024);
  std::uint64_t at = 0;
  std::size_t budget = bounds.VideoMaxBytes;
  info.Open_Buffer_Init(size, 0);
  while (budget > 0 && std::chrono::steady_clock::now() < deadline) {
    const std::size_t want = std::min(buffer.size(), budget);
    const std::size_t got = source.ReadAt(at, std::span(buffer.data(), want));
    if (got == 0) break;
    budget -= got;
    at += got;
    const std::size_t status = info.Open_Buffer_Continue(buffer.data(), got);
    if (status & 0x08) break;  // finished
    const ZenLib::int64u seek = info.Open_Buffer_Continue_GoTo_Get();
    if (seek != static_cast<ZenLib::int64u>(-1)) {
      if (seek >= size) break;
      at = seek;
      info.Open_Buffer_Init(size, at);
    }
  }
  info.Open_Buffer_Finalize();
  const MediaInfoLib::String date = info.Get(MediaInfoLib::Stream_General, 0, __T("Encoded_Date"));
  std::string text;
  for (wchar_t c : date) text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return UtcTaken(text);
}

// The file opened for this read: a descriptor and its status, never through a link.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n =
          ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

 private:
  int fd_;
  std::uint64_t size_;
};

// Reading a photo must not change its access time, which the user may have set: without
// the right to that (another user's file) the file is opened plainly.
Fd OpenForReading(const std::string& path) {
  constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  Fd fd(::open(path.c_str(), kFlags | O_NOATIME));
  if (!fd && errno == EPERM) fd = Fd(::open(path.c_str(), kFlags));
  return fd;
}

}  // namespace

std::optional<TakenStamp> ReadTakenStamp(ByteSource& source, const ReadBounds& bounds) {
  std::uint8_t head[512];
  const std::size_t got = source.ReadAt(0, head);
  if (got == 0) return std::nullopt;
  int type = Exiv2::ImageType::none;
  try {
    type = Exiv2::ImageFactory::getType(head, static_cast<long>(got));
  } catch (const std::exception&) {
  }
  if (type != Exiv2::ImageType::none && !IsVideoType(type, std::span(head, got)))
    return ReadPhoto(source, type, bounds);
  try {
    return ReadVideo(source, bounds);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

MediaCaptureTimes::MediaCaptureTimes() {
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::XmpParser::initialize();
    Exiv2::enableBMFF(true);
    MediaInfoLib::MediaInfo::Option_Static(__T("ParseSpeed"), __T("0"));
  });
}

TakenRead MediaCaptureTimes::Read(const std::string& path) {
  TakenRead read;
  const Fd fd = OpenForReading(path);
  struct stat st {};
  if (!fd || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return read;
  read.Size = static_cast<std::uint64_t>(st.st_size);
  read.Written = FileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
  FileSource source(fd.Get(), read.Size);
  try {
    read.Stamp = ReadTakenStamp(source);
  } catch (...) {
    // A library fault on a hostile file is no time taken, never the end of the program.
    read.Stamp.reset();
  }
  return read;
}

}  // namespace varnoke

#pragma GCC diagnostic pop
