#include "app/PlanText.h"

#include <ostream>

namespace varnoke {

void WritePlanText(std::ostream& out, const TVrnFiles& files, const TVrnPrevFiles& preview,
                   const PathRules& rules) {
  std::string text;
  for (int i = 0; i < preview.Count(); ++i) {
    const TVrnPrevFile& planned = preview.Items(i);
    const TVrnFile& file = files.Items(planned.FileIndex);
    const std::string from = rules.Join(file.Path(), file.Name(), file.Ext());
    const std::string to = rules.Join(planned.Path(), planned.Name, planned.Ext);
    text.append(from).append(from == to ? "  (unchanged)" : "  ->  ");
    if (from != to) text.append(to);
    if (planned.Conflict) text.append("  [name conflict]");
    if (planned.Busy) text.append("  [busy]");
    text += '\n';
  }
  out << text << std::flush;
}

}  // namespace varnoke
