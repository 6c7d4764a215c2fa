#include "engine/TimesTaken.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/TakenMessages.h"
#include "platform/SessionScopes.h"

namespace varnoke {

namespace {

// Below this many files the reading shows no progress window: it is over at once.
constexpr std::size_t kProgressFrom = 100;
// Below this many files per thread a thread costs more than it saves.
constexpr std::size_t kFilesPerThread = 16;
constexpr unsigned kMaxThreads = 8;

bool HoldsDateCode(std::string_view text) {
  return text.find('|') != std::string_view::npos;
}

// Writes what was read into the entry: kept while the file is as it was listed.
void Keep(const TVrnFile& file, const TakenRead& read, Clock& clock) {
  const std::optional<FileTime> local = read.Stamp ? LocalTimeOf(*read.Stamp, clock) : std::nullopt;
  file.TakenState = local ? TVrnFile::Taken::Found : TVrnFile::Taken::None;
  file.TimeTaken = local.value_or(0);
  file.TakenStale = read.Size != file.Size || read.Written != file.Written;
}

// Reads the chosen entries on worker threads while this one shows the progress, lets
// events run and looks for Cancel.
bool ReadOnThreads(const std::vector<std::string>& paths, CaptureTimes& reader, Session& ui,
                   std::vector<TakenRead>& reads) {
  const std::size_t threads =
      std::clamp<std::size_t>(paths.size() / kFilesPerThread, 1,
                              std::min(kMaxThreads, std::thread::hardware_concurrency()));
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable progressed;
  {
    std::vector<std::jthread> workers;
    for (std::size_t t = 0; t < threads; ++t) {
      workers.emplace_back([&] {
        for (std::size_t i = next++; i < paths.size() && !stop; i = next++) {
          reads[i] = reader.Read(paths[i]);
          ++done;
          progressed.notify_one();
        }
        progressed.notify_one();
      });
    }
    std::size_t shown = 0;
    while (shown < paths.size()) {
      {
        std::unique_lock lock(mutex);
        progressed.wait_for(lock, std::chrono::milliseconds(20));
      }
      for (const std::size_t now = done; shown < now; ++shown) ui.step();
      ui.pump();
      if (ui.cancelled()) {
        stop = true;
        break;
      }
    }
  }
  return !stop;
}

}  // namespace

std::optional<FileTime> LocalTimeOf(const TakenStamp& stamp, Clock& clock) {
  if (!stamp.OffsetMinutes) return stamp.WallClock;
  const std::int64_t offset = std::int64_t{*stamp.OffsetMinutes} * 60 * kTicksPerSecond;
  const std::int64_t utc = static_cast<std::int64_t>(stamp.WallClock) - offset;
  if (utc < 0) return std::nullopt;
  return clock.UtcToLocal(static_cast<FileTime>(utc));
}

bool NeedsTimeTaken(const TFiles& o, const TVrnFile& f) {
  if (o.SetsTimeFromTaken()) return true;
  if (o.DateCodes() != DateSource::Taken) return false;
  // A date code comes from the patterns, or from the name itself where it is kept.
  return (o.Has(ChangeName) && HoldsDateCode(o.Name)) ||
         (o.Has(ChangeExt) && !o.Has(DisregardExt) && HoldsDateCode(o.Ext)) ||
         HoldsDateCode(f.Name()) || HoldsDateCode(f.Ext());
}

bool ReadTimesTaken(const TVrnFiles& files, const Services& ctx,
                    const std::function<bool(const TVrnFile&)>& needed, int count) {
  const int end = count < 0 ? files.Count() : std::min(count, files.Count());
  const PathRules& rules = ctx.Fs.Rules();
  std::vector<int> chosen;
  std::vector<std::string> paths;
  for (int i = 0; i < end; ++i) {
    const TVrnFile& f = files.Items(i);
    if (f.TakenState != TVrnFile::Taken::Unread && !f.TakenStale) continue;
    if (!needed(f)) continue;
    if (f.Busy || !ctx.Taken) {
      f.TakenState = TVrnFile::Taken::None;
      f.TakenStale = false;
      continue;
    }
    chosen.push_back(i);
    paths.push_back(rules.Join(f.Path(), f.Name(), f.Ext()));
  }
  if (chosen.empty()) return true;
  std::vector<TakenRead> reads(chosen.size());
  bool whole = true;
  if (chosen.size() < kProgressFrom) {
    for (std::size_t i = 0; i < chosen.size(); ++i) reads[i] = ctx.Taken->Read(paths[i]);
  } else {
    ProgressScope progress(ctx.Ui, ctx.Ui.texts().Text(kReadingTimesTakenLabel),
                           static_cast<int>(chosen.size()));
    ctx.Ui.offerCancel();
    whole = ReadOnThreads(paths, *ctx.Taken, ctx.Ui, reads);
  }
  if (!whole) return false;
  for (std::size_t i = 0; i < chosen.size(); ++i) Keep(files.Items(chosen[i]), reads[i], ctx.Time);
  return true;
}

bool SortByTimeTaken(TVrnFiles& files, const Services& ctx) {
  if (!ReadTimesTaken(files, ctx, [](const TVrnFile&) { return true; })) return false;
  std::vector<std::uint64_t> keys;
  keys.reserve(static_cast<std::size_t>(files.Count()));
  for (const TVrnFile& f : files) {
    std::optional<FileTime> key = TimeTakenOf(f);
    if (!key) key = ctx.Time.UtcToLocal(f.Written);
    keys.push_back(key.value_or(f.Written));
  }
  files.SortByKeys(keys);
  return true;
}

bool SortFileList(TVrnFiles& files, int key, const Services& ctx) {
  return key == kTimeTakenSortKey ? SortByTimeTaken(files, ctx) : files.Sort(key);
}

std::vector<std::string> TimeTakenNotes(const Translation& tr, const TVrnPrevFiles& preview,
                                        const TFiles& o) {
  int without = 0;
  for (int i = 0; i < preview.Count(); ++i)
    if (preview.Items(i).NoTimeTaken) ++without;
  std::vector<std::string> notes;
  if (without == 0) return notes;
  if (o.DateCodes() == DateSource::Taken) notes.push_back(NoTimeTakenForNamesNote(tr, without));
  if (o.SetsTimeFromTaken()) notes.push_back(NoTimeTakenForTimesNote(tr, without));
  return notes;
}

}  // namespace varnoke
