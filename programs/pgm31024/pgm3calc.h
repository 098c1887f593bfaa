#pragma once

#include "core/fpfailure.h"
#include "core/member.h"
#include "core/rafterloads.h"

#include <optional>

namespace vb::pgm3
{

// How the snow load is reduced with growing roof pitch: factor ks after DIN 1055-5:1975 or
// μ1 after BS 6399-3:1988.
using SnowRule = rafter::SnowRule;

struct Input {
    SnowRule snowRule = SnowRule::Din;
    double lp = 0.0;                   // rafter length LP along the slope [m]
    double a = 0.0;                    // field width A on one side of the rafter [m]
    double b = 0.0;                    // field width B on the other side [m]
    double ls = 0.0;                   // length LS of the largest pane [m]
    double pitch = 0.0;                // roof pitch α from the horizontal [degree]
    std::optional<double> rafterRatio; // rafter limit LP/nP (nP)
    std::optional<double> rafterMaxMm; // rafter deflection at most [mm]
    std::optional<double> edgeRatio;   // pane edge limit LS/nS (nS)
    std::optional<double> edgeMaxMm;   // pane edge deflection at most [mm]
    double deadLoad = 0.0;             // g per m² of roof surface [kN/m²]
    double snow = 0.0;                 // s0 per m² of horizontal projection [kN/m²]
    double wind = 0.0;                 // w per m² of roof surface, perpendicular to it [kN/m²]
};

struct Result {
    double rafterDeflection = 0.0; // fP [cm], governing deflection of the rafter
    double edgeDeflection = 0.0;   // fS [cm], governing deflection of the pane edge
    double moment = 0.0;           // Mf [kNcm]
    double sectionModulus = 0.0;   // Wx(f) [cm³]
    double inertia = 0.0;          // Ix [cm⁴]
    FpFailure failure = FpFailure::None;
};

// Sizes the rafter; the inputs have passed their checks (LP, LS and a width > 0, pitch
// from 0 to below 89°, loads >= 0, at least one limit > 0).
Result calculate(const Input &in);

} // namespace vb::pgm3
