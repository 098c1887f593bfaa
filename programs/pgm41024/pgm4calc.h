#pragma once

#include "core/fpfailure.h"
#include "core/member.h"

#include <optional>

namespace vb::pgm4
{

struct Input {
    double l1 = 0.0;                   // first span L1 [m]
    double l2 = 0.0;                   // second span L2 [m]
    double ls = 0.0;                   // largest pane LS [m]
    double a = 0.0;                    // field width A [m]
    double b = 0.0;                    // field width B [m]
    std::optional<double> memberRatio; // mullion limit L/n (n)
    std::optional<double> memberCapMm; // mullion limit, at most [mm]
    std::optional<double> edgeRatio;   // glass edge LS/n (n)
    std::optional<double> edgeCapMm;   // glass edge, at most [mm]
    double wind = 0.0;                 // wind load w, pressure positive, suction negative [kN/m²]
};

struct Result {
    double memberDeflection = 0.0; // fP [cm], governing deflection of the mullion
    double edgeDeflection = 0.0;   // fS [cm], governing deflection of the glass edge
    double spanMoment = 0.0;       // MF [kNcm], in the longer span, signed like w
    double supportMoment = 0.0;    // MS [kNcm], over the middle support, signed against w
    double spanModulus = 0.0;      // Wx(f) [cm³], magnitude
    double supportModulus = 0.0;   // Wx(S) [cm³], magnitude
    double inertia = 0.0;          // Ix [cm⁴], magnitude
    // Ix [cm⁴] a section must offer: the longer span's largest deflection from its elastic line
    // within fP, Ix · twoSpanDeflectionFactor(Lmin/Lmax).
    double governingInertia = 0.0;
    FpFailure failure = FpFailure::None;
};

// Sizes a mullion continuous over three supports; the inputs have passed their checks
// (spans and pane > 0, load width > 0, at least one limit > 0).
Result calculate(const Input &in);

} // namespace vb::pgm4
