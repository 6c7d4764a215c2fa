#pragma once
// What the run journal's recovery and undo tell the user, in English as written here,
// marked for translation and composed in the user's language. The reasons and problems
// put into them come from the system and the journal files as they are.
#include <string>
#include <string_view>

#include "platform/Translation.h"

namespace varnoke {

inline std::string ChangedSinceRunMessage(const Translation& tr, std::string_view path) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "%1: changed since the renaming (its size or last-write time "
                                "differs); left as it is.")),
             {path});
}
inline std::string PlaceTakenMessage(const Translation& tr, std::string_view path,
                                     std::string_view place) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "%1: cannot go to %2, where another file is now; left as it is.")),
             {path, place});
}
inline std::string NotFoundMessage(const Translation& tr, std::string_view path) {
  return Arg(tr.Text(VARNOKE_UI(
                 "Journal", "%1: not found under any name the renaming gave it; nothing done.")),
             {path});
}
inline std::string TrashUnknownMessage(const Translation& tr, std::string_view path) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "%1: went to the trash during the renaming; where the trash keeps "
                                "it is not known, so restore it from the trash yourself.")),
             {path});
}
inline std::string NotRestoredMessage(const Translation& tr, std::string_view path,
                                      std::string_view reason) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "%1: could not be brought back from the trash: %2.")),
             {path, reason});
}
inline std::string CopyNotRemovedMessage(const Translation& tr, std::string_view path,
                                         std::string_view reason) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "%1: the copy could not be removed: %2.")),
             {path, reason});
}
inline std::string JournalHeldMessage(const Translation& tr, std::string_view name) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "The run journal %1 is held by a renaming that is still running; "
                                "nothing done.")),
             {name});
}
inline std::string JournalUnreadableMessage(const Translation& tr, std::string_view where,
                                            std::string_view problem) {
  return Arg(
      tr.Text(VARNOKE_UI("Journal",
                         "The run journal %1 cannot be used (%2); it is kept aside as %1.bad "
                         "and nothing was done with it.")),
      {where, problem});
}
// Why a journal cannot be used when its file cannot be read at all.
inline constexpr UiText kJournalCannotBeRead = VARNOKE_UI("Journal", "it cannot be read");
inline std::string NothingToRecoverMessage(const Translation& tr, std::string_view name) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "The run journal %1 is of a complete renaming; nothing to "
                                "recover.")),
             {name});
}
inline std::string NothingToUndoMessage(const Translation& tr, std::string_view name) {
  return Arg(
      tr.Text(VARNOKE_UI("Journal", "The run journal %1 is of no complete renaming to undo.")),
      {name});
}
inline std::string NotMarkedRecoveredMessage(const Translation& tr, std::string_view name) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "The run journal %1 could not be marked as recovered.")),
             {name});
}
inline std::string NotMarkedUndoneMessage(const Translation& tr, std::string_view name) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "The run journal %1 could not be marked as undone.")),
             {name});
}

// A journal that could not be started or went on no longer, as a run's problem (it begins
// in lower case: the question below begins it with a capital).
inline std::string JournalNotMadeProblem(const Translation& tr, std::string_view directory,
                                         std::string_view reason) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "the run journal could not be made in %1: %2")),
             {directory, reason});
}
inline std::string JournalGivenUpProblem(const Translation& tr, std::string_view path) {
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "the run journal %1 could not be written; the renaming went on "
                                "without it")),
             {path});
}

// A journal, or the journal directory, that is not the user's own; `refusal` names it
// and the cause, as the journal directory tells it.
inline std::string JournalRefusedMessage(const Translation& tr, std::string_view refusal) {
  return Arg(tr.Text(VARNOKE_UI("Journal", "%1; nothing in it is used.")), {refusal});
}

// The problem with a capital first letter, then the question.
inline std::string NoJournalQuestion(const Translation& tr, std::string_view problem) {
  std::string text(problem);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return Arg(tr.Text(VARNOKE_UI("Journal",
                                "%1.\n\nWithout it, a renaming cut short cannot be finished or "
                                "rolled back, and it cannot be undone. Rename all the same?")),
             {text});
}

}  // namespace varnoke
