// Times taken read from real photos and videos made by the test: the tags that count,
// in their order, with their fractions and offsets; files without one, damaged ones and
// hostile ones; and the bounds on what a read looks at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "platform/media/MediaCaptureTimes.h"
#include "platform/media/TakenText.h"
#include "support/CalendarTime.h"
#include "support/TempDir.h"
#include "support/media/MediaSamples.h"

namespace varnoke {
namespace {

using testing::JpegWithTags;
using testing::PhotoTags;

constexpr FileTime kMillisecond = kTicksPerSecond / 1000;

TEST(TakenText, ReadsEveryFormTheFilesWrite) {
  const FileTime noon = Calendar(2021, 7, 4, 15, 30, 45);
  struct Case {
    std::optional<TakenStamp> Read;
    std::optional<TakenStamp> Expected;
  } cases[] = {
      {ExifTaken("2021:07:04 15:30:45", "", ""), TakenStamp{noon, {}}},
      {ExifTaken("2021:07:04 15:30:45\0", "25", "+02:00"),
       TakenStamp{noon + 250 * kMillisecond, 120}},
      {ExifTaken(" 2021:07:04 15:30:45 ", "5", "-05:30"),
       TakenStamp{noon + 500 * kMillisecond, -330}},
      {ExifTaken("2021:07:04 15:30:45", "", "+2"), TakenStamp{noon, {}}},  // offset unreadable
      {ExifTaken("0000:00:00 00:00:00", "", ""), std::nullopt},
      {ExifTaken("    :  :     :  :  ", "", ""), std::nullopt},
      {ExifTaken("2021:02:30 10:00:00", "", ""), std::nullopt},  // no such day
      {ExifTaken("2021:07:04", "", ""), std::nullopt},
      {IsoTaken("2021-07-04T15:30:45.25+02:00"), TakenStamp{noon + 250 * kMillisecond, 120}},
      {IsoTaken("2021-07-04T15:30:45Z"), TakenStamp{noon, 0}},
      {IsoTaken("2021-07-04T15:30"), TakenStamp{Calendar(2021, 7, 4, 15, 30, 0), {}}},
      {IsoTaken("2021-07-04"), std::nullopt},
      {UtcTaken("2021-07-04 15:30:45 UTC"), TakenStamp{noon, 0}},
      {UtcTaken("UTC 2021-07-04 15:30:45"), TakenStamp{noon, 0}},
      {UtcTaken("1904-01-01 00:00:00 UTC"), std::nullopt},  // the containers' zero
      {UtcTaken("1970-01-01 00:00:00 UTC"), std::nullopt},
      {UtcTaken(""), std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].Read, cases[i].Expected) << i;
}

TEST(CaptureTimes, ReadsTheOriginalTimeElseTheDigitisedOneOfAPhoto) {
  const FileTime taken = Calendar(2021, 7, 4, 15, 30, 45);
  struct Case {
    const char* Name;
    PhotoTags Tags;
    std::optional<TakenStamp> Expected;
  } cases[] = {
      {"original",
       {"2021:07:04 15:30:45", "25", "+02:00", "2022:01:01 00:00:00", ""},
       TakenStamp{taken + 250 * kMillisecond, 120}},
      {"digitised only", {"", "", "", "2021:07:04 15:30:45", ""}, TakenStamp{taken, {}}},
      {"no time", {"", "", "", "", "a lake"}, std::nullopt},
      {"no metadata", {}, std::nullopt},
      {"zero time", {"0000:00:00 00:00:00", "", "", "", ""}, std::nullopt},
  };
  testing::TempDir dir;
  MediaCaptureTimes reader;
  for (const Case& c : cases) {
    const std::string path = dir.Write(std::string(c.Name) + ".jpg", JpegWithTags(c.Tags));
    const TakenRead read = reader.Read(path);
    EXPECT_EQ(read.Stamp, c.Expected) << c.Name;
    EXPECT_EQ(read.Size, std::filesystem::file_size(path)) << c.Name;
  }
}

TEST(CaptureTimes, ReadsTheCreationTimeOfVideoContainersAsUtc) {
  const SystemTime utc = Fields(2022, 3, 5, 8, 9, 10);
  const TakenStamp expected{SystemTimeToFileTime(utc).value(), 0};
  testing::TempDir dir;
  MediaCaptureTimes reader;
  EXPECT_EQ(reader.Read(dir.Write("clip.mp4", testing::Mp4WithCreationTime(utc))).Stamp, expected);
  EXPECT_EQ(reader.Read(dir.Write("late.mov", testing::Mp4WithCreationTime(utc, 300000))).Stamp,
            expected);
  EXPECT_EQ(reader.Read(dir.Write("clip.mkv", testing::MkvWithDate(utc))).Stamp, expected);
  EXPECT_EQ(reader.Read(dir.Write("unset.mp4", testing::Mp4WithCreationTime(std::nullopt))).Stamp,
            std::nullopt);
}

TEST(CaptureTimes, DamagedHostileAndUnreadableFilesHaveNoTimeTaken) {
  testing::TempDir dir;
  MediaCaptureTimes reader;
  const std::string photo = JpegWithTags({"2021:07:04 15:30:45", "", "", "", ""});
  std::string scrambled = photo;
  for (std::size_t i = 20; i < scrambled.size(); i += 7) scrambled[i] = static_cast<char>(i * 31);
  const std::string video = testing::Mp4WithCreationTime(Fields(2022, 3, 5));
  std::string lying = video;  // the header says its box is far longer than the file
  lying.replace(0, 4, "\x7F\xFF\xFF\xFF");
  const char* names[] = {"empty.jpg", "cut.jpg",   "scrambled.jpg",
                         "cut.mp4",   "lying.mp4", "text.jpg"};
  const std::string contents[] = {"",        photo.substr(0, photo.size() / 3),
                                  scrambled, video.substr(0, 40),
                                  lying,     "not a picture at all"};
  for (std::size_t i = 0; i < std::size(names); ++i)
    EXPECT_EQ(reader.Read(dir.Write(names[i], contents[i])).Stamp, std::nullopt) << names[i];

  // A link is an entry of its own: nothing is read through it.
  const std::string target = dir.Write("target.jpg", photo);
  ASSERT_EQ(::symlink(target.c_str(), (dir / "link.jpg").c_str()), 0);
  EXPECT_EQ(reader.Read(dir / "link.jpg").Stamp, std::nullopt);
  EXPECT_EQ(reader.Read(dir / "missing.jpg").Stamp, std::nullopt);
  EXPECT_NE(reader.Read(target).Stamp, std::nullopt);
}

TEST(CaptureTimes, AReadLooksAtNoMoreThanItsBounds) {
  // Metadata longer than the first look: read again with more, within the limit only.
  const std::string photo =
      JpegWithTags({"2021:07:04 15:30:45", "", "", "", std::string(6000, 'd')});
  ReadBounds bounds;
  bounds.PhotoFirstBytes = 1024;
  MemorySource whole(photo);
  EXPECT_NE(ReadTakenStamp(whole, bounds), std::nullopt);
  bounds.PhotoMaxBytes = 4096;
  MemorySource cut(photo);
  EXPECT_EQ(ReadTakenStamp(cut, bounds), std::nullopt);
  EXPECT_LE(cut.BytesRead(), 512 + 1024 + 4096);

  // A video's header behind its media data is reached by a seek, not by reading the data.
  const std::string video = testing::Mp4WithCreationTime(Fields(2022, 3, 5), 8 << 20);
  bounds.VideoMaxBytes = 1 << 20;
  MemorySource seeking(video);
  EXPECT_NE(ReadTakenStamp(seeking, bounds), std::nullopt);
  EXPECT_LE(seeking.BytesRead(), std::size_t{1 << 20} + 512);
}

}  // namespace
}  // namespace varnoke
