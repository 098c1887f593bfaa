#pragma once

#include "forms/fpfailure.h"

namespace vb::pgm5 {
} // namespace vb::pgm5
