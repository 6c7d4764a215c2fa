#include "engine/PreparePreview.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/Conflicts.h"
#include "engine/DateCode.h"
#include "engine/LetterCase.h"
#include "engine/ListedPaths.h"
#include "engine/Messages.h"
#include "engine/Patterns.h"
#include "engine/TimesTaken.h"
#include "model/Attributes.h"
#include "platform/SessionScopes.h"

namespace varnoke {

std::string NumberText(std::int64_t counter, int digits) {
  std::string text = std::to_string(counter);
  const int pad = digits - static_cast<int>(text.size());
  // The zeros come from a literal of nine: more are never added.
  if (pad > 0) text.insert(0, static_cast<std::size_t>(std::min(pad, 9)), '0');
  return text;
}

std::uint32_t PlannedAttributes(std::uint32_t current, const TFiles& options) {
  if (options.AttrMask == 0) return current;
  std::uint32_t attr = current;
  for (std::uint32_t bit : {kAttrReadOnly, kAttrArchive, kAttrSystem, kAttrHidden}) {
    if (!(options.AttrMask & bit)) continue;
    attr = (options.AttrValues & bit) ? (attr | bit) : (attr & ~bit);
  }
  return attr;
}

namespace {

// One option date that may increase from file to file. The running value is kept
// here, not in the options record.
struct RunningDate {
  std::uint8_t bit;
  FileTime value;
  FileTime increase;
  FileTime TVrnPrevFile::*field;

  void Apply(TVrnPrevFile& w, const TVrnFile& f, const TFiles& options, Clock& clock) {
    if (!(options.DateFlags & bit)) return;
    std::optional<FileTime> local = value;
    if (options.Has(TFiles::FromTakenBit(bit))) {
      // The file's own time taken; without one the time is left as it is.
      local = TimeTakenOf(f);
      if (!local) w.NoTimeTaken = true;
    }
    // The option dates are local wall-clock times; a date the time zone cannot
    // convert leaves the file's own time.
    if (local)
      if (const auto utc = clock.LocalToUtc(*local)) w.*field = *utc;
    if (options.IncreaseFlags & bit) {
      // No carry: an invalid calendar result keeps the date where it is.
      if (const auto next = AdvanceByIncrease(value, increase)) value = *next;
    }
  }
};

// Steps 3 to 8 of a file: base name, new name and extension by the method, date codes
// and the empty-name guard. False when a result would pass the expansion limit.
bool PlanName(TVrnPrevFile& w, const TVrnFile& f, const TFiles& o, const std::string& number,
              const DateCodeContext& dates, const PathRules& rules) {
  std::string base(f.Name());
  if (o.Has(DisregardExt)) base.append(f.Ext());

  std::optional<std::string> name = base;
  if (o.Has(ChangeName)) {
    if (o.Has(Advanced))
      name = ApplyAdvancedPattern(base, o.Name, number);
    else if (o.Has(UseWildcards))
      name = ApplyWildcards(base, o.Name + number);
    else
      name = o.Name + number;
  }
  std::optional<std::string> ext;
  if (o.Has(DisregardExt)) {
    ext = std::string();
  } else if (o.Has(ChangeExt)) {
    if (o.Has(Advanced))
      ext = ApplyAdvancedPattern(f.Ext(), o.Ext, number);
    else if (o.Has(UseWildcards))
      ext = ApplyWildcards(f.Ext(), o.Ext);
    else
      ext = o.Ext;
  } else {
    ext = std::string(f.Ext());
  }
  if (!name || !ext) return false;
  const FileDates fileDates{f.Written, TimeTakenOf(f)};
  if (o.DateCodes() == DateSource::Taken && !fileDates.Taken &&
      (name->find('|') != std::string::npos || ext->find('|') != std::string::npos))
    w.NoTimeTaken = true;
  name = ReplaceDateCodes(*name, fileDates, o, dates);
  ext = ReplaceDateCodes(*ext, fileDates, o, dates);
  if (!name || !ext || name->size() > kMaxExpandedLength || ext->size() > kMaxExpandedLength)
    return false;
  if (rules.NeedsNameGuard(*name, *ext, f.Name(), f.Ext())) name->insert(0, 1, '_');
  w.Name = std::move(*name);
  w.Ext = std::move(*ext);
  return true;
}

// A move or copy needs a target directory the user chose: an empty one (an options
// set or the settings can hold one) would send every file to the root directory, a
// relative one to wherever the program was started.
bool TargetDirectoryUsable(const TFiles& o, const Services& ctx) {
  if (o.Transport == kTransportLeave) return true;
  if (o.Path.empty()) {
    ctx.Ui.ask(ctx.Ui.texts().Text(kNoTargetDirectoryText), kVarnokeCaption, Buttons::Ok,
               Icon::Warning);
    return false;
  }
  if (!ctx.Fs.Rules().IsFullPath(o.Path)) {
    ctx.Ui.ask(TargetNotFullPathMessage(ctx.Ui.texts(), o.Path), kVarnokeCaption, Buttons::Ok,
               Icon::Warning);
    return false;
  }
  return true;
}

// The longest file name each target directory takes, asked once per directory.
class NameLimits {
 public:
  explicit NameLimits(FileSystem& fs) : fs_(fs) {}
  std::optional<std::size_t> For(const std::shared_ptr<const std::string>& directory) {
    if (known_.size() > 0 && directory.get() == last_) return lastLimit_;  // most share one
    const std::string key = directory ? *directory : std::string();
    auto found = known_.find(key);
    if (found == known_.end()) found = known_.emplace(key, fs_.MaxNameLength(key)).first;
    last_ = directory.get();
    lastLimit_ = found->second;
    return lastLimit_;
  }

 private:
  FileSystem& fs_;
  std::unordered_map<std::string, std::optional<std::size_t>> known_;
  const std::string* last_ = nullptr;
  std::optional<std::size_t> lastLimit_;
};

}  // namespace

bool PreparePreview(const TVrnFiles& files, const TFiles& o, TVrnPrevFiles& preview,
                    const Services& ctx) {
  if (files.Count() == 0) return true;
  if (!TargetDirectoryUsable(o, ctx)) return false;
  // The times taken the plan needs, read before the first file is planned; Cancel there
  // plans nothing.
  if (o.UsesTimeTaken() &&
      !ReadTimesTaken(files, ctx, [&o](const TVrnFile& f) { return NeedsTimeTaken(o, f); }))
    return false;
  ProgressScope progress(ctx.Ui, ctx.Ui.texts().Text(kPreparingPreviewLabel), files.Count());
  PumpEvery pump(ctx.Ui, 10);
  preview.Reserve(preview.Count() + files.Count());
  const PathRules& rules = ctx.Fs.Rules();
  const DateCodeContext dates{ctx.Regional, ctx.Time};
  const auto targetDir = std::make_shared<const std::string>(rules.StripTrailingSeparator(o.Path));

  RunningDate created{kDateCreated, o.CreatedDate, o.CreatedInc, &TVrnPrevFile::Created};
  RunningDate modified{kDateModified, o.ModifiedDate, o.ModifiedInc, &TVrnPrevFile::Written};
  RunningDate accessed{kDateAccessed, o.AccessedDate, o.AccessedInc, &TVrnPrevFile::Accessed};
  std::int64_t counter = o.Start;
  const bool numbered = o.Has(ChangeName) && o.Has(Enumerate);

  NameLimits limits(ctx.Fs);
  ExistingNames onDisk(ctx.Fs);
  const ListedPaths listed(files, rules);
  TVrnPrevFile w;
  for (int i = 0; i < files.Count(); ++i) {
    pump(i);
    const TVrnFile& f = files.Items(i);

    // A file listed twice is renamed once: a second plan would take the file that the
    // first has just renamed, wherever it went.
    const int first = listed.FirstOf(i);

    // A file busy when listed is tried again; one readable then is not.
    w.Busy = false;
    w.NoTimeTaken = false;
    if (f.Busy && first == i) {
      const std::string path = rules.Join(f.Path(), f.Name(), f.Ext());
      if (ctx.Fs.IsBusy(path, Access::ReadWrite)) {
        w.Busy = true;
        Note(ctx.Ui, StillBusyMessage(ctx.Ui.texts(), path), kVarnokeCaption);
      }
    }

    std::optional<std::string> leftOut;  // why the file is left out of the preview
    if (first != i) {
      const TVrnFile& earlier = files.Items(first);
      leftOut = ListedTwiceMessage(ctx.Ui.texts(), rules.Join(f.Path(), f.Name(), f.Ext()),
                                   rules.Join(earlier.Path(), earlier.Name(), earlier.Ext()));
    } else if (!PlanName(w, f, o, numbered ? NumberText(counter, o.Digits) : "", dates, rules)) {
      leftOut = NameTooLongMessage(ctx.Ui.texts(), rules.Join(f.Path(), f.Name(), f.Ext()));
    } else if (rules.HoldsForbiddenCharacter(w.Name) || rules.HoldsForbiddenCharacter(w.Ext)) {
      leftOut = ForbiddenCharacterMessage(ctx.Ui.texts(), rules.Join(f.Path(), f.Name(), f.Ext()));
    } else {
      if (o.Transport == kTransportLeave)
        w.SetSharedPath(f.SharedPath());
      else
        w.SetSharedPath(targetDir);
      ApplyCaseMode(o.CaseMode, w.Name, w.Ext);
      TestConflict(w, f, preview, o, onDisk);
      // A copy never takes the place of a file of its list: the files being copied stay as
      // they are, so such a copy gets a suffix also where conflicts are settled by deleting.
      if (w.Conflict && o.Transport == kTransportCopy && o.Has(DeleteOnConflict) &&
          listed.Holds(w.Path(), w.Name, w.Ext))
        AddConflictSuffix(w, preview, onDisk);
      const std::size_t length = w.Name.size() + (w.Ext.empty() ? 0 : w.Ext.size() + 1);
      const std::optional<std::size_t> maximum = limits.For(w.SharedPath());
      if (maximum && length > *maximum)
        leftOut = NameTooLongForTargetMessage(
            ctx.Ui.texts(), rules.Join(f.Path(), f.Name(), f.Ext()), length, *maximum);
    }

    w.Created = f.Created;
    w.Accessed = f.Accessed;
    w.Written = f.Written;
    // Every file moves the running dates on, also one that is left out.
    created.Apply(w, f, o, ctx.Time);
    modified.Apply(w, f, o, ctx.Time);
    accessed.Apply(w, f, o, ctx.Time);

    if (!leftOut) {
      w.Attr = PlannedAttributes(f.Attr, o);
      w.Size = f.Size;
      w.FileIndex = i;
      preview.AddCopy(w);
    } else {
      Note(ctx.Ui, *leftOut, kVarnokeCaption);
    }
    counter += o.Step;
    ctx.Ui.step();
  }
  return true;
}

}  // namespace varnoke
