#pragma once

#include "core/fpfailure.h"
#include "core/member.h"

#include <optional>

namespace vb::pgm1
{

// A transom takes the mullion's inputs in the same order: the pane height H1 stands where the
// mullion has its length LP, the pane height H2 where it has the largest pane LS, and the span
// L where it has the field width A.
struct Input {
    bool transom = false;              // false: mullion under a uniform line load; true: transom
    double lp = 0.0;                   // mullion: length LP; transom: pane height H1 [m]
    double ls = 0.0;                   // mullion: largest pane LS; transom: pane height H2 [m]
    double a = 0.0;                    // mullion: field width A; transom: span L [m]
    double b = 0.0;                    // mullion: field width B [m]; not used for the transom
    std::optional<double> memberRatio; // mullion limit LP/x (x); not used for the transom
    std::optional<double> memberCapMm; // mullion limit, at most [mm]
    std::optional<double> edgeRatio;   // pane edge LS/x, transom L/x (x)
    std::optional<double> edgeCapMm;   // pane edge or transom, at most [mm]
    double wind = 0.0;                 // wind load w, pressure positive, suction negative [kN/m²]
};

struct Result {
    double memberDeflection = 0.0; // f [cm], governing deflection of the member
    double edgeDeflection = 0.0;   // s [cm], governing deflection of the pane edge
    double moment = 0.0;           // M [kNcm], signed
    double sectionModulus = 0.0;   // W [cm³], signed like M
    double inertia = 0.0;          // I [cm⁴], signed like w
    FpFailure failure = FpFailure::None;
};

// Sizes one member; the inputs have passed their checks (lengths > 0, at least one limit).
Result calculate(const Input &in);

} // namespace vb::pgm1
