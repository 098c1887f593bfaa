#include "programs/pgm31024/pgm3calc.h"

namespace vb::pgm3 {
} // namespace vb::pgm3
