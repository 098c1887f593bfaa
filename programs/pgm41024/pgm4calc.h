#pragma once

#include "forms/fpfailure.h"

namespace vb::pgm4 {
} // namespace vb::pgm4
