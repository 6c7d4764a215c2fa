// Times taken of 10,000 JPEG photos with EXIF, read the way the program reads them (on
// every core), against exiftool -fast2 over the same files (Debian's
// libimage-exiftool-perl, one process for all of them) and against a bare loop that
// calls Exiv2 on each file; and planning 100,000 files named by their time taken
// against naming them by their file time, once the times are read.
//
//   bench_taken                          all three
//   VARNOKE_BENCH_PHOTOS=N bench_taken   N photos instead of 10,000
//
// The photos are small JPEGs drawn by Qt whose EXIF holds the original time and a
// few kilobytes of maker text, as a camera's does; made once under /tmp and removed
// at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <exiv2/exiv2.hpp>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "PairTiming.h"
#include "engine/PreparePreview.h"
#include "engine/TimesTaken.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/media/MediaCaptureTimes.h"
#include "platform/testing/FakeCaptureTimes.h"
#include "platform/testing/FixedClock.h"
#include "platform/testing/IdleStores.h"
#include "platform/testing/QuietSession.h"
#include "support/media/MediaSamples.h"

namespace varnoke {
namespace {

int PhotoCount() {
  const char* v = std::getenv("VARNOKE_BENCH_PHOTOS");
  return v != nullptr ? std::atoi(v) : 10'000;
}

struct Photos {
  std::string dir;
  TVrnFiles files;
  std::vector<std::string> paths;
  Photos() {
    std::string pattern = "/tmp/varnoke-bench-photos-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    dir = pattern;
    const int n = PhotoCount();
    for (int i = 0; i < n; ++i) {
      char name[32], taken[32];
      std::snprintf(name, sizeof name, "IMG_%05d", i);
      std::snprintf(taken, sizeof taken, "2021:%02d:%02d %02d:%02d:%02d", 1 + i % 12, 1 + i % 28,
                    i % 24, i % 60, (i / 60) % 60);
      testing::PhotoTags tags;
      tags.DateTimeOriginal = taken;
      tags.SubSecTimeOriginal = "25";
      tags.DateTimeDigitized = taken;
      tags.Description = std::string(4096, 'x');
      const std::string path = dir + "/" + name + ".jpg";
      std::ofstream(path, std::ios::binary) << testing::JpegWithTags(tags);
      files.AddEntry(false, dir, name, "jpg", 0, 0x20, 0, 0, 0);
      paths.push_back(path);
    }
  }
  ~Photos() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  void Forget() const {
    for (const TVrnFile& f : files) f.TakenState = TVrnFile::Taken::Unread;
  }
};

Photos& SharedPhotos() {
  static Photos photos;
  return photos;
}

struct World {
  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  FixedClock clock{0x01D0000000000000ULL, 0};
  QuietSession session;
  FormatSettings regional = EnglishFormatSettings();
  IdleStores idle;
  Services services{fs, idle.Store, idle.Settings, clock, regional, session};
};

int Found(const TVrnFiles& files) {
  int found = 0;
  for (const TVrnFile& f : files) found += f.TakenState == TVrnFile::Taken::Found;
  return found;
}

// The bare loop: Exiv2 on each file in turn, the original time as text.
int BareExiv2(const std::vector<std::string>& paths) {
  int found = 0;
  for (const std::string& path : paths) {
    try {
      auto image = Exiv2::ImageFactory::open(path);
      image->readMetadata();
      const auto at = image->exifData().findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
      found += at != image->exifData().end() && !at->toString().empty();
    } catch (const Exiv2::Error&) {
    }
  }
  return found;
}

int Exiftool(const std::string& dir) {
  const std::string command =
      "exiftool -q -fast2 -s3 -DateTimeOriginal '" + dir + "' | wc -l > " + dir + ".count";
  if (std::system(command.c_str()) != 0) return -1;
  int lines = -1;
  std::ifstream(dir + ".count") >> lines;
  std::remove((dir + ".count").c_str());
  return lines;
}

void BM_TimesTakenAgainstExiftool(benchmark::State& state) {
  if (std::system("command -v exiftool >/dev/null") != 0) {
    state.SkipWithError("exiftool is not installed (libimage-exiftool-perl)");
    return;
  }
  const Photos& photos = SharedPhotos();
  World world;
  MediaCaptureTimes reader;
  world.services.Taken = &reader;
  bench::PairTiming timing;
  for (auto _ : state) {
    int ours = 0, theirs = 0;
    photos.Forget();
    timing.Run(
        [&] {
          ReadTimesTaken(photos.files, world.services, [](const TVrnFile&) { return true; });
          ours = Found(photos.files);
        },
        [&] { theirs = Exiftool(photos.dir); });
    if (ours != photos.files.Count() || theirs != ours) state.SkipWithError("a time was missed");
  }
  timing.Report(state, "varnoke", "exiftool");
}

// The program's reader on one thread against Exiv2 called bare: what the reader costs
// beyond the library (bounded reads, the fallbacks, the texts turned into times).
void BM_ReaderAgainstBareExiv2(benchmark::State& state) {
  const Photos& photos = SharedPhotos();
  MediaCaptureTimes reader;
  bench::PairTiming timing;
  for (auto _ : state) {
    int ours = 0, theirs = 0;
    timing.Run(
        [&] {
          for (const std::string& path : photos.paths) ours += reader.Read(path).Stamp.has_value();
        },
        [&] { theirs = BareExiv2(photos.paths); });
    if (ours != theirs || ours != static_cast<int>(photos.paths.size()))
      state.SkipWithError("a time was missed");
  }
  timing.Report(state, "reader", "bare_exiv2");
}

// Planning names dated by the time taken against names dated by the file time, the
// times read before (they are kept in the entries).
void BM_PlanByTimeTakenAgainstFileTime(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  World world;
  FakeCaptureTimes taken;
  world.services.Taken = &taken;
  TVrnFiles files;
  files.Reserve(n);
  for (int i = 0; i < n; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%07d", i);
    const std::string path = std::string("/data/") + name + ".jpg";
    const FileTime written = 0x01D0000000000000ULL + static_cast<FileTime>(i) * 10'000'000;
    world.fs.AddFile(path, "", FileTimes{0, 0, written});
    taken.Set(path, TakenStamp{written - 3'600'000'000ULL, {}}, 0, written);
    files.AddEntry(false, "/data", name, "jpg", 0, 0x20, 0, 0, written);
  }
  TFiles byTaken;
  byTaken.Flags = ChangeName | Enumerate | DateFromTaken;
  byTaken.Name = "|_";
  byTaken.DateString = "yyyymmdd_hhnnss";
  byTaken.Digits = 7;
  TFiles byFileTime = byTaken;
  byFileTime.Flags &= ~DateFromTaken;
  TVrnPrevFiles warm(false);
  PreparePreview(files, byTaken, warm, world.services);  // reads every time once
  bench::PairTiming timing;
  for (auto _ : state) {
    TVrnPrevFiles a(false), b(false);
    timing.Run([&] { PreparePreview(files, byTaken, a, world.services); },
               [&] { PreparePreview(files, byFileTime, b, world.services); });
    if (a.Count() != n || b.Count() != n || a.Items(0).Name == b.Items(0).Name)
      state.SkipWithError("unexpected plan");
    state.PauseTiming();
    a.Clear();
    b.Clear();
    state.ResumeTiming();
  }
  if (taken.Reads() != n) state.SkipWithError("times read more than once");
  timing.Report(state, "by_taken", "by_file_time");
}

BENCHMARK(BM_TimesTakenAgainstExiftool)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(BM_ReaderAgainstBareExiv2)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(BM_PlanByTimeTakenAgainstFileTime)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace varnoke

BENCHMARK_MAIN();
