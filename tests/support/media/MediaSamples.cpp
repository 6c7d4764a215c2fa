#include "support/media/MediaSamples.h"

#include <QBuffer>
#include <QImage>
#include <cstdint>
#include <stdexcept>
#include <string_view>

// Exiv2 0.27 hands images out in std::auto_ptr, which C++20 marks deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace varnoke::testing {

namespace {

std::string BigEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

std::string Box(std::string_view type, const std::string& payload) {
  return BigEndian(8 + payload.size(), 4) + std::string(type) + payload;
}

// Seconds from `epoch` (a calendar year's first second) to `utc`.
std::uint64_t SecondsSince(int epochYear, const SystemTime& utc) {
  const FileTime from =
      SystemTimeToFileTime(SystemTime{static_cast<std::uint16_t>(epochYear), 1, 0, 1, 0, 0, 0, 0})
          .value();
  return (SystemTimeToFileTime(utc).value() - from) / kTicksPerSecond;
}

// A Matroska element with an eight-byte size.
std::string Element(std::string_view id, const std::string& payload) {
  return std::string(id) + '\x01' + BigEndian(payload.size(), 7) + payload;
}

}  // namespace

std::string JpegWithTags(const PhotoTags& tags) {
  QImage picture(32, 24, QImage::Format_RGB32);
  picture.fill(QColor(40, 120, 200));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "JPG")) throw std::runtime_error("Qt wrote no JPEG");
  Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
      reinterpret_cast<const Exiv2::byte*>(bytes.constData()), bytes.size());
  Exiv2::ExifData exif;
  const auto put = [&exif](const char* key, const std::string& value) {
    if (!value.empty()) exif[key] = value;
  };
  put("Exif.Image.ImageDescription", tags.Description);
  put("Exif.Photo.DateTimeOriginal", tags.DateTimeOriginal);
  put("Exif.Photo.SubSecTimeOriginal", tags.SubSecTimeOriginal);
  put("Exif.Photo.OffsetTimeOriginal", tags.OffsetTimeOriginal);
  put("Exif.Photo.DateTimeDigitized", tags.DateTimeDigitized);
  image->setExifData(exif);
  image->writeMetadata();
  Exiv2::BasicIo& io = image->io();
  io.seek(0, Exiv2::BasicIo::beg);
  const Exiv2::DataBuf data = io.read(static_cast<long>(io.size()));
  return std::string(reinterpret_cast<const char*>(data.pData_),
                     static_cast<std::size_t>(data.size_));
}

std::string Mp4WithCreationTime(std::optional<SystemTime> utc, std::size_t mediaBytes) {
  const std::uint64_t seconds = utc ? SecondsSince(1904, *utc) : 0;
  std::string header = BigEndian(0, 4) + BigEndian(seconds, 4) + BigEndian(seconds, 4) +
                       BigEndian(1000, 4) + BigEndian(0, 4) + BigEndian(0x00010000, 4) +
                       BigEndian(0x0100, 2) + std::string(10, '\0');
  for (std::uint64_t m : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u})
    header += BigEndian(m, 4);
  header += std::string(24, '\0') + BigEndian(1, 4);
  std::string file = Box("ftyp", "isom" + BigEndian(512, 4) + "isomiso2mp41");
  if (mediaBytes > 0) file += Box("mdat", std::string(mediaBytes, '\x5A'));
  return file + Box("moov", Box("mvhd", header));
}

std::string MkvWithDate(const SystemTime& utc) {
  const std::string header =
      Element("\x1A\x45\xDF\xA3", Element("\x42\x86", "\x01") + Element("\x42\x82", "matroska") +
                                      Element("\x42\x87", "\x04") + Element("\x42\x85", "\x02"));
  const std::uint64_t nanoseconds = SecondsSince(2001, utc) * 1'000'000'000ULL;
  const std::string info =
      Element("\x15\x49\xA9\x66", Element("\x2A\xD7\xB1", BigEndian(1000000, 3)) +
                                      Element("\x44\x61", BigEndian(nanoseconds, 8)) +
                                      Element("\x4D\x80", "varnoke-test"));
  return header + Element("\x18\x53\x80\x67", info);
}

}  // namespace varnoke::testing

#pragma GCC diagnostic pop
