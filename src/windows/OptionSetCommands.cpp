#include "windows/OptionSetCommands.h"

#include "engine/Messages.h"
#include "files/OptionSetFile.h"
#include "windows/QtText.h"

namespace varnoke {

namespace {

std::optional<std::string> ChooseSet(DesktopState& state, ChooseFor purpose, QWidget* parent) {
  return state.Choose(parent, purpose, Qt8(kOptionSetFilter), Qt8(state.Program.ProgramDirectory),
                      QStringLiteral("vns"));
}

}  // namespace

bool OpenOptionSetInto(TFiles& options, DesktopState& state, QWidget* parent) {
  const std::optional<std::string> path = ChooseSet(state, ChooseFor::Open, parent);
  if (!path) return false;
  if (auto error = LoadOptionSet(state.Program.Store, *path, options))
    state.Program.Ui.ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
  return true;
}

bool SaveOptionSetOf(const TFiles& options, DesktopState& state, QWidget* parent) {
  const std::optional<std::string> chosen = ChooseSet(state, ChooseFor::Save, parent);
  if (!chosen) return false;
  const std::string path = WithOptionSetExtension(*chosen, state.Program.Fs.Rules());
  if (auto error = SaveOptionSet(state.Program.Store, path, options))
    state.Program.Ui.ask(*error, kVarnokeCaption, Buttons::Ok, Icon::Error);
  return true;
}

}  // namespace varnoke
