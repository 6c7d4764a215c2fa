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

void CheckRandomRun(unsigned seed, bool real) {
  std::mt19937 rng(seed);
  const auto between = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
  };
  const auto chance = [&](int percent) { return between(0, 99) < percent; };
  const auto pick = [&](const Strings& from) {
    return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
  };
  // In memory, a store that ignores case as a vfat mount does, and one that refuses to
  // move a busy file as Windows does.
  const auto style = seed % 2 == 0 ? FakeFileSystem::Style::Windows : FakeFileSystem::Style::Posix;
  const int dirs = between(1, 3);
  const std::unique_ptr<World> world =
      real ? std::make_unique<World>() : std::make_unique<World>(style, chance(30));
  if (!real) world->Fake()->BusyBlocksChanges = chance(50);
  RenameRun s(*world);
  for (int d = 0; d < dirs; ++d) world->Write("d" + std::to_string(d) + "/");

  // Few names, so that planned names run into each other and into files on disk; some
  // files are not listed, some are held by another program.
  struct File {
    std::string rel, content;
    bool listed;
  };
  std::vector<File> all;
  Strings listed;
  std::vector<std::unique_ptr<LockHolder>> holders;
  std::set<std::string> taken;  // folded, so that every world can hold the set
  const int files = between(2, 12), others = between(0, 3);
  for (int n = 0; n < files + others;) {
    const std::string rel = "d" + std::to_string(between(0, dirs - 1)) + "/" +
                            pick({"a", "A", "b", "X", "x", "Pic1", "Pic2", "Pic3", "pic2"}) +
                            pick({".txt", ".TXT", ".jpg", ""});
    std::string folded = rel;
    for (char& ch : folded) ch = AsciiLower(ch);
    if (!taken.insert(folded).second) continue;
    all.push_back(
        {rel, "content " + std::to_string(n) + " of seed " + std::to_string(seed), n < files});
    world->Write(rel, all.back().content);
    if (n < files) listed.push_back(rel);
    if (n++ < files && chance(12)) {
      if (real) holders.push_back(std::make_unique<LockHolder>(world->At(rel)));
      if (!real) world->Fake()->SetBusy(world->At(rel), true);
    }
  }
  TFiles& o = s.options;
  o.Transport = static_cast<std::uint8_t>(between(kTransportMove, kTransportCopy));
  if (o.Transport != kTransportLeave) o.Path = world->At("d" + std::to_string(dirs - 1));
  o.Set(DeleteOnConflict, chance(50));
  if (chance(70)) {
    o.Set(ChangeName, true);
    o.Name = pick({"X", "x", "Pic", "pic", "a"});
    o.Set(Enumerate, chance(60));
    o.Start = between(0, 3);
  }
  if (chance(30)) o.CaseMode = static_cast<std::uint8_t>(between(kCaseUpper, kCaseTitleEveryWord));
  s.ListAndPlan(listed);
  for (int n = between(0, 4); n > 0; --n)
    s.session.Answers.push_back(chance(60) ? Answer::Ok : Answer::Cancel);
  s.Run();
  holders.clear();

  std::multimap<std::string, std::string> found;  // content -> name
  for (const std::string& file : world->Files()) {
    const std::size_t eq = file.find('=');
    found.emplace(file.substr(eq + 1), file.substr(0, eq));
  }
  const Strings trash = world->Trashed();
  const auto trashed = [&](const std::string& content) {
    return static_cast<std::size_t>(std::count(trash.begin(), trash.end(), content));
  };
  // The trash takes files only where the options or the user's answer settle a conflict
  // by deleting. A later file of the run then also wins over an earlier one that took
  // the same name: the earlier one is in the trash, and its entry names the winner's place.
  bool trashAllowed = o.Has(DeleteOnConflict);
  for (const AskedQuestion& q : s.session.Questions)
    trashAllowed |= q.Caption == kNameConflictCaption.Source;
  std::set<std::string> known;
  for (const File& f : all) {
    known.insert(f.content);
    const std::size_t here = found.count(f.content), gone = trashed(f.content);
    EXPECT_TRUE(gone == 0 || trashAllowed) << f.rel << " in the trash without a conflict";
    if (!f.listed) {
      EXPECT_TRUE((here == 1 && world->Read(f.rel) == f.content && gone == 0) ||
                  (here == 0 && gone == 1))
          << f.rel << " not of the run: " << here << " on disk, " << gone << " in the trash";
    } else if (o.Transport == kTransportCopy) {
      EXPECT_TRUE(here >= 1 || gone == 1) << f.rel << " lost its original";
      EXPECT_LE(here + gone, 2u) << f.rel << " copied more than once";
    } else {
      EXPECT_EQ(here + gone, 1u) << f.rel << ": " << here << " on disk, " << gone
                                 << " in the trash";
    }
  }
  for (const auto& [content, name] : found) {
    EXPECT_TRUE(known.count(content)) << name << " holds a content never written";
    EXPECT_EQ(name.find(".varnoke-"), std::string::npos) << name << " left under a temporary name";
  }
  // AddFile lists the files in the order given; the listed ones come first in `all`.
  for (int i = 0; i < s.files.Count(); ++i) {
    const std::string& content = all[static_cast<std::size_t>(i)].content;
    EXPECT_TRUE(world->Read(s.EntryPath(i)) == content || trashed(content) == 1)
        << "entry of " << listed[static_cast<std::size_t>(i)] << " names " << s.EntryPath(i)
        << ", which does not hold it";
  }
}

TEST(RenameFilesProperty, RandomRunsLoseNothing) {
  ASSERT_TRUE(kTrashPointed);
  for (const bool real : {false, true}) {
    for (unsigned seed = 1; seed <= 200 && !::testing::Test::HasFailure(); ++seed) {
      SCOPED_TRACE((real ? "on real files, seed " : "in memory, seed ") + std::to_string(seed));
      CheckRandomRun(seed, real);
    }
  }
}

}  // namespace
}  // namespace varnoke::testing
