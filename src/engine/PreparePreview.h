#pragma once
// Planning a renaming run: one preview entry per file of a file list, in file-list
// order, with its new directory, name, extension, time stamps and attributes and its
// conflict and busy marks. Nothing on disk changes.
#include <cstdint>
#include <string>

#include "engine/Services.h"
#include "model/TFiles.h"
#include "model/TVrnFile.h"
#include "model/TVrnPrevFile.h"

namespace varnoke {

// Appends the plan (asking nothing of the settings or the program's files) of every file of `files`
// to `preview` (a new, empty list that compares names as the file system does). The options are
// only read: the running dates of increasing time stamps are kept apart, so the record is the same
// afterwards. An empty file list plans nothing and shows no progress. A file whose new name or
// extension would pass kMaxExpandedLength, would hold a separator or NUL, or would be
// longer than the target's file system takes is reported and left out; it still
// counts for the running number and the running dates. So is a later entry that names the
// same file as an earlier one (the same path once spelled plainly, see ListedPaths): a
// file is renamed once in a run. A move or copy without a
// usable target directory (none set, or not a full path) plans nothing: the user is
// told, and the result is false. So does Cancel while the times taken it needs are read.
bool PreparePreview(const TVrnFiles& files, const TFiles& options, TVrnPrevFiles& preview,
                    const Services& ctx);

// The running number as text: decimal, padded with at most nine leading zeros to
// `digits` characters, never cut.
std::string NumberText(std::int64_t counter, int digits);

// The planned attributes: the four changeable bits set or cleared as the options say,
// every other bit kept.
std::uint32_t PlannedAttributes(std::uint32_t current, const TFiles& options);

}  // namespace varnoke
