// Random runs on small file sets, on real files and in memory: whatever the options,
// the conflicts, the busy files and the answers, no file content is lost or written
// twice, no temporary name is left, and every file entry names a file that holds it.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "engine/AddFile.h"
#include "engine/PreparePreview.h"
#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"
#include "platform/LockHolder.h"

namespace varnoke::testing {
namespace {

namespace fsys = std::filesystem;

// GLib reads XDG_DATA_HOME once per process: it is pointed at a temporary directory
// before any test runs, so that the real trash of the runs is one the test can see.
const TempDir& TrashHome() {
  static const TempDir home;
  return home;
}
const bool kTrashPointed = ::setenv("XDG_DATA_HOME", TrashHome().Path().c_str(), 1) == 0;

// One random case: the files on disk, the run's options and answers.
struct Case {
  int dirs = 1;
  struct Entry {
    std::string rel;
    std::string content;
    bool inRun = true;
    bool busy = false;
  };
  std::vector<Entry> entries;
  TFiles options;
  std::deque<Answer> answers;
  bool foldingStore = false;     // the fake ignores case, as a vfat mount does
  bool busyBlocksMoves = false;  // the fake refuses to move a busy file
  bool windows = false;          // the fake follows the Windows rules
};

template <class T>
const T& Pick(std::mt19937& rng, const std::vector<T>& from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

Case MakeCase(unsigned seed, bool real) {
  std::mt19937 rng(seed);
  auto chance = [&](int percent) {
    return std::uniform_int_distribution<int>(0, 99)(rng) < percent;
  };
  auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Case c;
  c.dirs = between(1, 3);
  c.foldingStore = !real && chance(30);
  c.windows = !real && seed % 2 == 0;
  c.busyBlocksMoves = !real && chance(50);
  // Few names, so that planned names run into each other and into files on disk.
  const std::vector<std::string> bases = {"a", "A", "b", "X", "x", "Pic1", "Pic2", "Pic3", "pic2"};
  const std::vector<std::string> exts = {".txt", ".TXT", ".jpg", ""};
  const int files = between(2, 12);
  const int others = between(0, 3);
  std::set<std::string> taken;  // folded, so that every world can hold the set
  for (int n = 0; n < files + others;) {
    const std::string rel =
        "d" + std::to_string(between(0, c.dirs - 1)) + "/" + Pick(rng, bases) + Pick(rng, exts);
    std::string folded = rel;
    for (char& ch : folded) ch = AsciiLower(ch);
    if (!taken.insert(folded).second) continue;
    Case::Entry e{rel, "content " + std::to_string(n) + " of seed " + std::to_string(seed),
                  n < files, n < files && chance(12)};
    c.entries.push_back(e);
    ++n;
  }
  TFiles& o = c.options;
  o.Transport =
      Pick(rng, std::vector<std::uint8_t>{kTransportMove, kTransportLeave, kTransportCopy});
  o.Set(DeleteOnConflict, chance(50));
  if (chance(70)) {
    o.Set(ChangeName, true);
    o.Name = Pick(rng, std::vector<std::string>{"X", "x", "Pic", "pic", "a"});
    o.Set(Enumerate, chance(60));
    o.Start = between(0, 3);
  }
  if (chance(30)) o.CaseMode = static_cast<std::uint8_t>(between(kCaseUpper, kCaseTitleEveryWord));
  for (int n = between(0, 4); n > 0; --n)
    c.answers.push_back(chance(60) ? Answer::Ok : Answer::Cancel);
  return c;
}

std::string Describe(const Case& c) {
  std::string out = "transport " + std::to_string(c.options.Transport) +
                    (c.options.Has(DeleteOnConflict) ? " delete" : "") +
                    (c.options.Has(ChangeName) ? " name '" + c.options.Name + "'" : "") +
                    (c.options.Has(Enumerate) ? " from " + std::to_string(c.options.Start) : "") +
                    " case " + std::to_string(c.options.CaseMode) +
                    (c.foldingStore ? " folding" : "") + (c.busyBlocksMoves ? " busy-blocks" : "") +
                    (c.windows ? " windows" : "") + "; answers";
  for (Answer a : c.answers) out += a == Answer::Ok ? " ok" : " cancel";
  for (const Case::Entry& e : c.entries)
    out += "\n  " + e.rel + (e.inRun ? "" : " (not listed)") + (e.busy ? " (busy)" : "");
  return out;
}

// Every file in the world and in its trash after the run, by content.
struct Found {
  std::multimap<std::string, std::string> files;  // content -> relative path
  std::multiset<std::string> trashed;             // contents
};

// The content at a full path in any world (the Windows rules of the fake write "c:\\").
std::optional<std::string> ReadFull(World& world, const std::string& path) {
  if (FakeFileSystem* fake = world.Fake()) {
    auto file = fake->File(path);
    return file ? std::optional<std::string>(file->Content) : std::nullopt;
  }
  return world.Read(path);
}

void CheckCase(const Case& c, World& world,
               const std::function<std::multiset<std::string>()>& trashed) {
  SCOPED_TRACE(Describe(c));
  RenameSetup setup(world);
  for (int d = 0; d < c.dirs; ++d) world.MakeDirectory("d" + std::to_string(d));
  for (const Case::Entry& e : c.entries) world.Write(e.rel, e.content);
  setup.options = c.options;
  if (c.options.Transport != kTransportLeave)
    setup.options.Path = world.At("d" + std::to_string(c.dirs - 1));
  std::vector<std::unique_ptr<LockHolder>> holders;
  std::vector<std::string> listed;
  for (const Case::Entry& e : c.entries) {
    if (!e.inRun) continue;
    listed.push_back(e.rel);
    if (!e.busy) continue;
    if (FakeFileSystem* fake = world.Fake())
      fake->SetBusy(world.At(e.rel), true);
    else
      holders.push_back(std::make_unique<LockHolder>(world.At(e.rel)));
  }
  setup.ListAndPlan(listed);
  setup.session.Answers = c.answers;
  setup.Run();
  holders.clear();

  Found found;
  for (int d = 0; d < c.dirs; ++d)
    for (const std::string& name : world.Names("d" + std::to_string(d))) {
      const std::string rel = "d" + std::to_string(d) + "/" + name;
      found.files.emplace(world.Read(rel).value_or(""), rel);
    }
  found.trashed = trashed();
  const bool copy = c.options.Transport == kTransportCopy;
  // The trash takes files only where the options or the user's answer settle a conflict
  // by deleting. A later file of the run then also wins over an earlier one that took
  // the same name: the earlier one is in the trash, and its entry names the winner's place.
  bool trashAllowed = c.options.Has(DeleteOnConflict);
  for (const AskedQuestion& q : setup.session.Questions)
    trashAllowed |= q.Caption == kNameConflictCaption;
  std::set<std::string> known;
  for (const Case::Entry& e : c.entries) {
    known.insert(e.content);
    const std::size_t here = found.files.count(e.content);
    const std::size_t trashed = found.trashed.count(e.content);
    EXPECT_TRUE(trashed == 0 || trashAllowed) << e.rel << " in the trash without a conflict";
    if (!e.inRun) {
      const bool untouched = here == 1 && world.Read(e.rel) == e.content && trashed == 0;
      EXPECT_TRUE(untouched || (here == 0 && trashed == 1))
          << e.rel << " not of the run: " << here << " on disk, " << trashed << " in the trash";
    } else if (copy) {
      EXPECT_TRUE(here >= 1 || trashed == 1) << e.rel << " lost its original";
      EXPECT_LE(here + trashed, 2u) << e.rel << " copied more than once";
    } else {
      EXPECT_EQ(here + trashed, 1u)
          << e.rel << ": " << here << " on disk, " << trashed << " in the trash";
    }
  }
  for (const auto& [content, rel] : found.files) {
    EXPECT_TRUE(known.count(content)) << rel << " holds a content never written";
    EXPECT_EQ(rel.find(".varnoke-"), std::string::npos) << rel << " left under a temporary name";
  }
  // Entries of the listed files, in list order (AddFile lists them in the order given).
  for (int i = 0; i < setup.files.Count(); ++i) {
    const std::string& rel = listed[static_cast<std::size_t>(i)];
    const std::string& content =
        std::find_if(c.entries.begin(), c.entries.end(), [&](const Case::Entry& e) {
          return e.rel == rel;
        })->content;
    const std::string path = setup.EntryPath(i);
    EXPECT_TRUE(ReadFull(world, path) == content || found.trashed.count(content) == 1)
        << "entry of " << rel << " names " << path << ", which does not hold it";
  }
}

constexpr unsigned kSeeds = 200;

TEST(RenameFilesProperty, RandomRunsOnRealFilesLoseNothing) {
  ASSERT_TRUE(kTrashPointed);
  const std::string trash = TrashHome().Path() + "/Trash/files";
  for (unsigned seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::error_code ignored;
    fsys::remove_all(TrashHome().Path() + "/Trash", ignored);
    PosixWorld world;
    CheckCase(MakeCase(seed, true), world, [&] {
      std::multiset<std::string> out;
      if (fsys::exists(trash))
        for (const std::string& name : world.Names(trash))
          out.insert(*world.Read(trash + "/" + name));
      return out;
    });
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(RenameFilesProperty, RandomRunsInMemoryLoseNothing) {
  for (unsigned seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Case c = MakeCase(seed, false);
    FakeWorld world(c.foldingStore,
                    c.windows ? FakeFileSystem::Style::Windows : FakeFileSystem::Style::Posix);
    world.Fake()->BusyBlocksChanges = c.busyBlocksMoves;
    CheckCase(c, world, [&] {
      std::multiset<std::string> out;
      for (const TrashedFile& t : world.Fake()->Trash()) out.insert(t.File.Content);
      return out;
    });
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace varnoke::testing
