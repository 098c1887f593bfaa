#pragma once

#include "core/fpfailure.h"
#include "core/member.h"
#include "core/rafterloads.h"

#include <optional>

namespace vb::pgm5
{

struct Input {
    rafter::SnowRule snowRule = rafter::SnowRule::Din;
    double l1 = 0.0;                   // rafter length L1 along the slope [m]
    double l2 = 0.0;                   // rafter length L2 along the slope [m]
    double a = 0.0;                    // field width A [m]
    double b = 0.0;                    // field width B [m]
    double ls = 0.0;                   // largest pane LS [m]
    double pitch = 0.0;                // roof pitch α [°], 0 ≤ α < 89
    std::optional<double> rafterRatio; // rafter limit L/n (n)
    std::optional<double> rafterCapMm; // rafter limit, at most [mm]
    std::optional<double> edgeRatio;   // glass edge LS/n (n)
    std::optional<double> edgeCapMm;   // glass edge, at most [mm]
    double dead = 0.0;                 // g per m² of roof surface [kN/m²]
    double snow = 0.0;                 // s0 per m² of horizontal projection [kN/m²]
    double wind = 0.0;                 // w perpendicular to the roof surface [kN/m²]
};

struct Result {
    // False when the rafter carries no load at all: then nothing is written, not even the
    // deflections, and no message is shown.
    bool loaded = false;
    double rafterDeflection = 0.0; // fP [cm], governing deflection of the rafter
    double edgeDeflection = 0.0;   // fS [cm], governing deflection of the glass edge
    double spanMoment = 0.0;       // MF [kNcm], in the longer span
    double supportMoment = 0.0;    // MS [kNcm], over the middle support (hogging, negative)
    double spanModulus = 0.0;      // Wx(f) [cm³], magnitude
    double supportModulus = 0.0;   // Wx(S) [cm³], magnitude
    double inertia = 0.0;          // Ix [cm⁴], magnitude
    // Ix [cm⁴] a section must offer: both systems' longer spans, with the span ratio of the
    // rafters, deflect by their elastic lines within fP, Ix · twoSpanDeflectionFactor(Lmin/Lmax).
    double governingInertia = 0.0;
    FpFailure failure = FpFailure::None;
};

// Sizes a rafter continuous over three supports; the inputs have passed their checks
// (rafters and pane > 0, load width > 0, 0 ≤ pitch < 89, at least one limit > 0, loads ≥ 0).
Result calculate(const Input &in);

} // namespace vb::pgm5
