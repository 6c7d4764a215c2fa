#pragma once
// Older spelling of support/TempDir.h, which the tests share.
#include "support/TempDir.h"
