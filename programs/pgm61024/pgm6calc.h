#pragma once

#include "forms/fpfailure.h"

namespace vb::pgm6 {
} // namespace vb::pgm6
