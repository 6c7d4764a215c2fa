#pragma once
// What the run journal's recovery and undo tell the user.
#include <string>
#include <string_view>

namespace varnoke {

inline std::string ChangedSinceRunMessage(std::string_view path) {
  return std::string(path) +
         ": changed since the renaming (its size or last-write time differs); left as it is.";
}
inline std::string PlaceTakenMessage(std::string_view path, std::string_view place) {
  return std::string(path) + ": cannot go to " + std::string(place) +
         ", where another file is now; left as it is.";
}
inline std::string NotFoundMessage(std::string_view path) {
  return std::string(path) + ": not found under any name the renaming gave it; nothing done.";
}
inline std::string TrashUnknownMessage(std::string_view path) {
  return std::string(path) +
         ": went to the trash during the renaming; where the trash keeps it is not known, so "
         "restore it from the trash yourself.";
}
inline std::string NotRestoredMessage(std::string_view path, std::string_view reason) {
  return std::string(path) + ": could not be brought back from the trash: " + std::string(reason) +
         ".";
}
inline std::string CopyNotRemovedMessage(std::string_view path, std::string_view reason) {
  return std::string(path) + ": the copy could not be removed: " + std::string(reason) + ".";
}
inline std::string JournalHeldMessage(std::string_view name) {
  return "The run journal " + std::string(name) +
         " is held by a renaming that is still running; nothing done.";
}
inline std::string JournalUnreadableMessage(std::string_view where, std::string_view problem) {
  return "The run journal " + std::string(where) + " cannot be used (" + std::string(problem) +
         "); it is kept aside as " + std::string(where) + ".bad and nothing was done with it.";
}

// A journal, or the journal directory, that is not the user's own; `refusal` names it
// and the cause, as the journal directory tells it.
inline std::string JournalRefusedMessage(std::string_view refusal) {
  return std::string(refusal) + "; nothing in it is used.";
}

inline std::string NoJournalQuestion(std::string_view problem) {
  std::string text(problem);
  if (!text.empty()) text[0] = static_cast<char>(text[0] == 't' ? 'T' : text[0]);
  return text +
         ".\n\nWithout it, a renaming cut short cannot be finished or rolled back, and it cannot "
         "be undone. Rename all the same?";
}

}  // namespace varnoke
