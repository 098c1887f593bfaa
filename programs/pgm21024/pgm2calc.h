#pragma once

#include "core/fpfailure.h"
#include "core/member.h"

#include <optional>

namespace vb::pgm2
{

// Deflection limits that are not given; large enough never to govern.
inline constexpr double kNoRatioLimit = 1000000.0; // cm
inline constexpr double kNoCapLimit = 10000000.0;  // cm

struct Input {
    double lp = 0.0;             // mullion length LP between its supports [m]
    double a = 0.0;              // field width A on one side of the mullion [m]
    double b = 0.0;              // field width B on the other side [m]
    std::optional<double> ratio; // limit LP/n (n), when given
    std::optional<double> capMm; // limit, at most [mm], when given
    double c = 0.0;              // height of the line load above the support [m]
    double qk = 0.0;             // horizontal imposed line load (barrier load) [kN/m]
};

struct Result {
    double allowedDeflection = 0.0; // fzul [cm], the governing limit
    double moment = 0.0;            // Mf [kNcm] under the point load
    double sectionModulus = 0.0;    // Wx(f) [cm³]
    double inertia = 0.0;           // Ix [cm⁴], the member deflecting exactly by fzul
    FpFailure failure = FpFailure::None;
};

// Sizes the mullion as a single-span beam under the point load that the barrier load of
// half of each adjacent field puts on it at height c. The inputs have passed their checks
// (LP, c, qk > 0, widths >= 0 and one > 0, at least one limit > 0, c < LP).
Result calculate(const Input &in);

} // namespace vb::pgm2
