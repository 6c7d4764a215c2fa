#pragma once
// Editing the names of a file list as plain text, without the windows: the line of
// each entry for the parts chosen, the new full path an edited line names, the case
// buttons, and applying the lines to the files one by one. Line i belongs to entry i
// by position only.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/JournalSession.h"
#include "engine/Services.h"
#include "model/PathRules.h"
#include "model/TVrnFile.h"
#include "platform/FileSystem.h"
#include "platform/Session.h"

namespace varnoke {

// The parts of the names that are edited, as a list's EditParts keeps them.
inline constexpr int kEditNameOnly = 0;        // name
inline constexpr int kEditNameAndExt = 1;      // name and extension
inline constexpr int kEditNameAndPath = 2;     // directory and name
inline constexpr int kEditNameExtAndPath = 3;  // the full path
inline constexpr int kEditModeCount = 4;

// The mode a stored EditParts stands for; a value outside 0..3 counts as 0.
int EditModeOf(std::uint8_t editParts);

// The line shown for an entry: the chosen parts joined by the rules' separator, the
// extension after a dot the way the rules write a full path. Characters that would
// break the line in a text editor (CR, LF, the paragraph separator U+2029, the frame
// marks U+FDD0 and U+FDD1) show as "?".
std::string EditLine(const TVrnFile& entry, int mode, const PathRules& rules);
// The new full path an edited line names for the entry.
std::string EditedPath(const TVrnFile& entry, std::string_view line, int mode,
                       const PathRules& rules);

// The editor's text: the line of every entry in list order, each but the last
// followed by LF, with the busy cursor on and events let through after the 10th, 20th
// ... entry.
std::string EditText(const TVrnFiles& files, int mode, const PathRules& rules, Session& session);
// The lines of an editor's text: its pieces between LFs; an empty piece after a final
// LF is no line, so an empty text has none.
std::vector<std::string> EditLines(std::string_view text);
// The lines joined back into an editor's text.
std::string EditTextOf(const std::vector<std::string>& lines);

// The case buttons: upper and lower case change the ASCII letters only; title case
// lower-cases the text, then upper-cases its first character and every character
// after a separator (LF, blank and ! # % & ( ) * + , - . : ; = ? \ ^ _).
enum class CaseChange { Upper, Lower, Title };
void ChangeCase(std::string& text, CaseChange change);

// How applying the lines ended.
enum class EditOutcome {
  NotStarted,  // the user said No or Cancel to a question before the first file
  Stopped,     // the user chose Cancel at a file in the way: what was done stays done
  Done,        // every line was applied or skipped
};

struct EditApplied {
  EditOutcome Outcome = EditOutcome::NotStarted;
  bool LinesRemoved = false;  // lines of vanished files were taken out of `lines`
};

// A journal for applying the lines, asked for once the user confirmed and a line names a
// change (JournalForRun::Go false: the user would not rename without one).
using EditJournalStart = std::function<JournalForRun()>;

// Applies the edited lines to the entries, by position, after the user confirmed
// (and accepted more or fewer lines than entries). A line that names no change is
// skipped. A file is renamed without replacing anything; its entry is listed anew
// under the new name at its old place. A file whose source has vanished loses its
// entry and its line, and the next line goes to the next entry. A move that fails
// otherwise asks whether to overwrite: Yes sends the file in the way to the trash
// (never deletes it for good) and moves again, and an entry that listed the trashed
// file leaves the list with its line; when the trash refuses it, that file stays, the
// user is told why, and the line is skipped. Every question goes through `session`.
// With a journal, the renaming is journaled as any run is: a renaming cut short can be
// finished or rolled back, and a complete one undone.
EditApplied ApplyEditedNames(FileSystem& fs, Session& session, TVrnFiles& files,
                             std::vector<std::string>& lines, int mode,
                             const EditJournalStart& startJournal = {});

// The journal for the names edited in the editor of the list captioned `caption`.
JournalForRun StartEditJournal(Services& services, std::string_view caption);

// The editor shows text as UTF-16 while names are bytes that need not be UTF-8: a
// byte that is no part of valid UTF-8 shows as U+DC00 + its value and turns back into
// that byte, so that every name survives the editor unchanged.
std::u16string NameTextToUtf16(std::string_view bytes);
std::string Utf16ToNameText(std::u16string_view text);

}  // namespace varnoke
