#pragma once

#include "forms/fpfailure.h"

namespace vb::pgm2 {
} // namespace vb::pgm2
