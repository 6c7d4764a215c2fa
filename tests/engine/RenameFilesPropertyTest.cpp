// Random runs on small file sets, on real files and in memory: whatever the options,
// the conflicts, the busy files and the answers, no file content is lost or written
// twice, no temporary name is left, and every file entry names a file that holds it.
#include <map>
#include <random>
#include <set>

#include "engine/RenameWorld.h"
#include "platform/LockHolder.h"

namespace varnoke::testing {
namespace {

// One random case: the files on disk (some not in the list, some held by another
// program), the run's options and answers, and in memory the kind of store.
struct Case {
  struct Entry {
    std::string rel, content;
    bool listed, busy;
  };
  int dirs = 1;
  std::vector<Entry> entries;
  TFiles options;
  std::deque<Answer> answers;
  bool folding = false;          // the store ignores case, as a vfat mount does
  bool busyBlocksMoves = false;  // the store refuses to move a busy file
  bool windows = false;          // the Windows rules
};

Case MakeCase(unsigned seed, bool real) {
  std::mt19937 rng(seed);
  const auto between = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
  };
  const auto chance = [&](int percent) { return between(0, 99) < percent; };
  const auto pick = [&](const Strings& from) {
    return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
  };
  Case c;
  c.dirs = between(1, 3);
  c.folding = !real && chance(30);
  c.windows = !real && seed % 2 == 0;
  c.busyBlocksMoves = !real && chance(50);
  // Few names, so that planned names run into each other and into files on disk.
  const int files = between(2, 12), others = between(0, 3);
  std::set<std::string> taken;  // folded, so that every world can hold the set
  for (int n = 0; n < files + others;) {
    const std::string rel = "d" + std::to_string(between(0, c.dirs - 1)) + "/" +
                            pick({"a", "A", "b", "X", "x", "Pic1", "Pic2", "Pic3", "pic2"}) +
                            pick({".txt", ".TXT", ".jpg", ""});
    std::string folded = rel;
    for (char& ch : folded) ch = AsciiLower(ch);
    if (!taken.insert(folded).second) continue;
    c.entries.push_back({rel, "content " + std::to_string(n) + " of seed " + std::to_string(seed),
                         n < files, n < files && chance(12)});
    ++n;
  }
  TFiles& o = c.options;
  o.Transport = static_cast<std::uint8_t>(between(kTransportMove, kTransportCopy));
  o.Set(DeleteOnConflict, chance(50));
  if (chance(70)) {
    o.Set(ChangeName, true);
    o.Name = pick({"X", "x", "Pic", "pic", "a"});
    o.Set(Enumerate, chance(60));
    o.Start = between(0, 3);
  }
  if (chance(30)) o.CaseMode = static_cast<std::uint8_t>(between(kCaseUpper, kCaseTitleEveryWord));
  for (int n = between(0, 4); n > 0; --n)
    c.answers.push_back(chance(60) ? Answer::Ok : Answer::Cancel);
  return c;
}

void CheckCase(const Case& c, World& world) {
  RenameRun setup(world);
  for (int d = 0; d < c.dirs; ++d) world.Write("d" + std::to_string(d) + "/");
  for (const Case::Entry& e : c.entries) world.Write(e.rel, e.content);
  setup.options = c.options;
  if (c.options.Transport != kTransportLeave)
    setup.options.Path = world.At("d" + std::to_string(c.dirs - 1));
  std::vector<std::unique_ptr<LockHolder>> holders;
  Strings listed, listedContents;
  for (const Case::Entry& e : c.entries) {
    if (!e.listed) continue;
    listed.push_back(e.rel);
    listedContents.push_back(e.content);
    if (e.busy && world.Fake()) world.Fake()->SetBusy(world.At(e.rel), true);
    if (e.busy && !world.Fake()) holders.push_back(std::make_unique<LockHolder>(world.At(e.rel)));
  }
  setup.ListAndPlan(listed);
  setup.session.Answers = c.answers;
  setup.Run();
  holders.clear();

  std::multimap<std::string, std::string> found;  // content -> name
  for (const std::string& file : world.Files()) {
    const std::size_t eq = file.find('=');
    found.emplace(file.substr(eq + 1), file.substr(0, eq));
  }
  const Strings trash = world.Trashed();
  const auto trashed = [&](const std::string& content) {
    return static_cast<std::size_t>(std::count(trash.begin(), trash.end(), content));
  };
  // The trash takes files only where the options or the user's answer settle a conflict
  // by deleting. A later file of the run then also wins over an earlier one that took
  // the same name: the earlier one is in the trash, and its entry names the winner's place.
  bool trashAllowed = c.options.Has(DeleteOnConflict);
  for (const AskedQuestion& q : setup.session.Questions)
    trashAllowed |= q.Caption == kNameConflictCaption;
  std::set<std::string> known;
  for (const Case::Entry& e : c.entries) {
    known.insert(e.content);
    const std::size_t here = found.count(e.content), gone = trashed(e.content);
    EXPECT_TRUE(gone == 0 || trashAllowed) << e.rel << " in the trash without a conflict";
    if (!e.listed) {
      EXPECT_TRUE((here == 1 && world.Read(e.rel) == e.content && gone == 0) ||
                  (here == 0 && gone == 1))
          << e.rel << " not of the run: " << here << " on disk, " << gone << " in the trash";
    } else if (c.options.Transport == kTransportCopy) {
      EXPECT_TRUE(here >= 1 || gone == 1) << e.rel << " lost its original";
      EXPECT_LE(here + gone, 2u) << e.rel << " copied more than once";
    } else {
      EXPECT_EQ(here + gone, 1u) << e.rel << ": " << here << " on disk, " << gone
                                 << " in the trash";
    }
  }
  for (const auto& [content, name] : found) {
    EXPECT_TRUE(known.count(content)) << name << " holds a content never written";
    EXPECT_EQ(name.find(".varnoke-"), std::string::npos) << name << " left under a temporary name";
  }
  // AddFile lists the files in the order given.
  for (int i = 0; i < setup.files.Count(); ++i) {
    const std::string& content = listedContents[static_cast<std::size_t>(i)];
    EXPECT_TRUE(world.Read(setup.EntryPath(i)) == content || trashed(content) == 1)
        << "entry of " << listed[static_cast<std::size_t>(i)] << " names " << setup.EntryPath(i)
        << ", which does not hold it";
  }
}

TEST(RenameFilesProperty, RandomRunsLoseNothing) {
  ASSERT_TRUE(kTrashPointed);
  for (const bool real : {false, true}) {
    for (unsigned seed = 1; seed <= 200 && !::testing::Test::HasFailure(); ++seed) {
      SCOPED_TRACE((real ? "on real files, seed " : "in memory, seed ") + std::to_string(seed));
      const Case c = MakeCase(seed, real);
      const auto style = c.windows ? FakeFileSystem::Style::Windows : FakeFileSystem::Style::Posix;
      const std::unique_ptr<World> world =
          real ? std::make_unique<World>() : std::make_unique<World>(style, c.folding);
      if (world->Fake()) world->Fake()->BusyBlocksChanges = c.busyBlocksMoves;
      CheckCase(c, *world);
    }
  }
}

}  // namespace
}  // namespace varnoke::testing
