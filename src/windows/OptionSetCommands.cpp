#include "windows/OptionSetCommands.h"

#include "engine/Messages.h"
#include "files/OptionSetFile.h"
#include "windows/QtText.h"
#include "windows/TNameListForm.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

// The list that owns `options`: the list window the command was given in, or the one
// that opened the dialog it was given in.
const FileListOwner* OwnerOf(const TFiles& options, QWidget* parent) {
  for (QWidget* w = parent; w != nullptr; w = w->parentWidget())
    if (auto* window = qobject_cast<TNameListForm*>(w))
      return &window->List().Options == &options ? &window->List() : nullptr;
  return nullptr;
}

std::optional<std::string> ChooseSet(const TFiles& options, DesktopState& state, ChooseFor purpose,
                                     QWidget* parent) {
  return ChooseFile(state, OwnerOf(options, parent), parent, purpose,
                    Qt8(OptionSetFilter(QtTranslation())), QStringLiteral("vns"));
}

}  // namespace

bool OpenOptionSetInto(TFiles& options, DesktopState& state, QWidget* parent) {
  const std::optional<std::string> path = ChooseSet(options, state, ChooseFor::Open, parent);
  if (!path) return false;
  if (auto error = LoadOptionSet(state.Program.Store, *path, options, state.Program.Ui.texts()))
    state.Program.Ui.ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
  return true;
}

bool SaveOptionSetOf(const TFiles& options, DesktopState& state, QWidget* parent) {
  const std::optional<std::string> chosen = ChooseSet(options, state, ChooseFor::Save, parent);
  if (!chosen) return false;
  const std::string path = WithOptionSetExtension(*chosen, state.Program.Fs.Rules());
  if (auto error = SaveOptionSet(state.Program.Store, path, options, state.Program.Ui.texts()))
    state.Program.Ui.ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
  return true;
}

}  // namespace varnoke
