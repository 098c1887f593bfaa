#pragma once

#include "forms/fpfailure.h"

namespace vb::pgm3 {
} // namespace vb::pgm3
