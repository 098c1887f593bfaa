#include "programs/pgm21024/pgm2calc.h"

namespace vb::pgm2 {
} // namespace vb::pgm2
