#include "engine/FileListOwner.h"

namespace varnoke {

FileListOwner::FileListOwner(const TFiles& defaults, int& listCounter)
    : Options(defaults), Caption("Blank list (" + std::to_string(listCounter++) + ")") {}

}  // namespace varnoke
