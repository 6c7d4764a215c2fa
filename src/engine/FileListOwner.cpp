#include "engine/FileListOwner.h"

namespace varnoke {

FileListOwner::FileListOwner(const TFiles& defaults, int& listCounter, const Translation& tr)
    : Options(defaults),
      Caption(Arg(tr.Text(VARNOKE_UI("FileList", "Blank list (%1)")),
                  {std::to_string(listCounter++)})) {}

}  // namespace varnoke
