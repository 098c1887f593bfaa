#include "programs/pgm41024/pgm4calc.h"

namespace vb::pgm4 {
} // namespace vb::pgm4
