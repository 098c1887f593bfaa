#include "programs/pgm61024/pgm6calc.h"

namespace vb::pgm6 {
} // namespace vb::pgm6
