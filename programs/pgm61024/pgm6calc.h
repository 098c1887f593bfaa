#pragma once

#include "core/fpfailure.h"
#include "core/member.h"

namespace vb::pgm6
{

// Self-weight of the transom and unit weight of glass.
inline constexpr double kSelfWeight = 0.03;  // kN/m
inline constexpr double kGlassWeight = 25.0; // kN/m³

struct Input {
    bool glass = true;         // true: glass pane of thickness t; false: infill of weight q
    double span = 0.0;         // B, transom span = pane width [m]
    double height = 0.0;       // H, pane height [m]
    double thicknessMm = 0.0;  // t, total glass thickness without the cavity [mm]; glass only
    double infill = 0.0;       // q, weight of a non-glass infill [kN/m²]; infill only
    double blocks = 0.0;       // c, distance of each setting block from its end of the span [m]
    double deflectionMm = 0.0; // f, allowable mid-span deflection [mm]
};

struct Result {
    double weight = 0.0;         // G [kN], whole pane or infill
    double reaction = 0.0;       // F [kN], at each support
    double moment = 0.0;         // M [kNcm], largest span moment
    double sectionModulus = 0.0; // W [cm³]
    double inertia = 0.0;        // I [cm⁴]
    FpFailure failure = FpFailure::None;
};

// Whether two symmetric setting blocks at the distance c from the ends stand on the span:
// beyond mid-span (c > B/2) the two point loads would cross and the deflection term of the
// block loads no longer holds. c = B/2, both blocks at mid-span, is the limit case.
bool blocksWithinSpan(double span, double blocks);

// Sizes the transom; the inputs have passed their checks (all > 0, blocks within the span).
Result calculate(const Input &in);

} // namespace vb::pgm6
