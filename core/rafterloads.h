#pragma once

// Loads on the rafter of a sloped glazing or roof that the single-span and the two-span
// rafter share: how snow and wind combine by roof pitch, and the snow coefficient of the
// two snow rules. Header-only, no widgets.

namespace vb::rafter
{

// The snow rule of the load-case option: the reduction factor after DIN 1055-5:1975, or
// the shape coefficient μ1 after BS 6399-3:1988.
enum class SnowRule { Din, Bs };

// From this pitch on the rafter is a wall, not a roof [°]: both rafter programs refuse it.
inline constexpr double kSteepestPitch = 89.0;
// Below this pitch the wind is not counted on the rafter [°].
inline constexpr double kWindFromPitch = 25.0;
// Up to this pitch snow and wind act together, one of them halved [°].
inline constexpr double kCombineUpToPitch = 45.0;

// Snow and wind as they enter the rafter at one pitch.
struct PitchLoads {
    double mu = 1.0;          // snow coefficient applied to s0
    double snow = 0.0;        // s0, halved where wind governs the combination [kN/m²]
    double wind = 0.0;        // w, halved where snow governs; 0 where wind is not counted [kN/m²]
    bool windCounted = false; // pitch of 25° and more
};

// The snow coefficient of the rule at a pitch from 25°; below 25° see loadsAtPitch.
inline double snowCoefficient(double pitch, SnowRule rule)
{
    if (rule == SnowRule::Din) {
        // ks = 1 − (α − 30°)/40°, full snow up to 30°, none from 70°.
        if (pitch <= 30.0)
            return 1.0;
        if (pitch >= 70.0)
            return 0.0;
        return 1.0 - (pitch - 30.0) / 40.0;
    }
    // μ1 = 0.8 · (60° − α)/30°, 0.8 up to 30°, none from 60°.
    if (pitch >= 60.0)
        return 0.0;
    if (pitch <= 30.0)
        return 0.8;
    return 0.8 * (60.0 - pitch) / 30.0;
}

// Snow s0 and wind w [kN/m²] on a rafter at `pitch` degrees. Below 25° the wind is left out
// and the snow is taken in full (DIN) or with 0.8 (BS). From 25° to 45° snow and wind are
// superposed with the smaller one halved: s0/2 + w when that exceeds s0 + w/2, else
// s0 + w/2 (also on equality). The comparison takes s0 before μ is applied.
inline PitchLoads loadsAtPitch(double pitch, double snow, double wind, SnowRule rule)
{
    PitchLoads out;
    out.snow = snow;
    if (pitch < kWindFromPitch) {
        out.mu = rule == SnowRule::Din ? 1.0 : 0.8;
        out.wind = 0.0;
        out.windCounted = false;
        return out;
    }
    out.windCounted = true;
    out.wind = wind;
    if (pitch <= kCombineUpToPitch) {
        if (snow / 2.0 + wind > snow + wind / 2.0)
            out.snow = snow / 2.0;
        else
            out.wind = wind / 2.0;
    }
    out.mu = snowCoefficient(pitch, rule);
    return out;
}

} // namespace vb::rafter
