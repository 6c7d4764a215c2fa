#pragma once
// Option-set files (".vns"): the 68-byte block of a TFiles record, the texts Name,
// Ext, Path, AddFiles and DateString, each as a signed 32-bit length and its bytes,
// then the search filters in the same form up to the end of the file.
#include <optional>
#include <string>
#include <string_view>

#include "model/PathRules.h"
#include "model/TFiles.h"
#include "platform/FileStore.h"
#include "platform/Translation.h"

namespace varnoke {

// The record a file's bytes hold; nullopt when the bytes end early (inside the
// block, a length or a text) or a length is negative or larger than what is left.
// Lengths are checked before anything is allocated. A text ends at its first zero.
std::optional<TFiles> ParseOptionSet(std::string_view bytes);
std::string FormatOptionSet(const TFiles& options);

// Loads a set into `options`, all or nothing: on failure the record stays as it was
// and the general error handler's message in the language of `tr` comes back.
std::optional<std::string> LoadOptionSet(FileStore& files, std::string_view path, TFiles& options,
                                         const Translation& tr);
// Saves a record; the old file stays whole when saving fails.
std::optional<std::string> SaveOptionSet(FileStore& files, std::string_view path,
                                         const TFiles& options, const Translation& tr);

// The chosen name with ".vns" appended when its file part has no extension.
std::string WithOptionSetExtension(std::string_view chosen, const PathRules& rules);

}  // namespace varnoke
