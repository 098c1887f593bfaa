#include "programs/pgm51024/pgm5calc.h"

namespace vb::pgm5 {
} // namespace vb::pgm5
