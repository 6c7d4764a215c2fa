#include "app/PlanText.h"

#include <ostream>

#include "model/EscapedText.h"

namespace varnoke {

void WritePlanText(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                   const PathRules& rules, int maxLines) {
  const int count = preview.Count();
  const int shown = maxLines > 0 && count > maxLines ? maxLines - 1 : count;
  std::string text;
  for (int i = 0; i < shown; ++i) {
    const TVrnPrevFile& planned = preview.Items(i);
    const TVrnFile& file = files.Items(planned.FileIndex);
    const std::string from = rules.Join(file.Path(), file.Name(), file.Ext());
    const std::string to = rules.Join(planned.Path(), planned.Name, planned.Ext);
    AppendEscaped(text, from);
    if (from == to) {
      text.append("  (unchanged)");
    } else {
      text.append("  ->  ");
      AppendEscaped(text, to);
    }
    if (planned.Conflict) text.append("  [name conflict]");
    if (planned.Busy) text.append("  [busy]");
    text += '\n';
  }
  if (shown < count)
    text.append("... and ").append(std::to_string(count - shown)).append(" more\n");
  out << text << std::flush;
}

}  // namespace varnoke
