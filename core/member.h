#pragma once

// What the calculations of the six programs share: the material, the deflection limit that is
// not given, the governing allowable deflections of a member and its pane edge, and the
// two-span beam under a uniform load. Header-only, no widgets.

#include <algorithm>
#include <cmath>
#include <optional>

namespace vb
{

// Aluminium EN AW-6060 T66: modulus of elasticity and permissible bending stress.
inline constexpr double kE = 7000.0;  // kN/cm²
inline constexpr double kSigma = 8.8; // kN/cm²
// A deflection limit that is not given; large enough never to govern.
inline constexpr double kNoLimit = 1000000.0; // cm
// The wind pressure is raised by 25 % for the design of single members.
inline constexpr double kWindFactor = 1.25;
// Two-span beam: f = 14.88 · L² · (M0 + 0.616·MS) / I, with L in m, M in kNm, f in cm and I in
// cm⁴; 14.88 holds E = 7000 kN/cm² and the units.
inline constexpr double kDeflectionFactor = 14.88;
inline constexpr double kSupportShare = 0.616;

// The allowable deflections that govern: of the pane edge (fS) and of the member (fP), in cm.
struct GoverningDeflection {
    double edge = 0.0;   // fS
    double member = 0.0; // fP
};

// Up to four limits, each given or not: the member as a ratio of its length and as a maximum
// in mm, the pane edge likewise. Lengths in m → cm (× 100), maxima mm → cm (÷ 10). The pane
// edge of length LS on a member deflecting by f deflects by f·(LS/LP)², so each member limit is
// carried over to the pane edge by that ratio, the smallest allowance governs, and the member
// may deflect by fS / (LS/LP)².
inline GoverningDeflection governingDeflection(double memberLengthM, double paneLengthM,
                                               std::optional<double> memberRatio,
                                               std::optional<double> memberMaxMm,
                                               std::optional<double> edgeRatio,
                                               std::optional<double> edgeMaxMm)
{
    const double lsc = 100.0 * paneLengthM;
    const double lpc = 100.0 * memberLengthM;
    const double c1 = memberRatio ? lsc * lsc * (lpc / *memberRatio) / (lpc * lpc) : kNoLimit;
    const double c2 = memberMaxMm ? lsc * lsc * (*memberMaxMm / 10.0) / (lpc * lpc) : kNoLimit;
    const double c3 = edgeRatio ? lsc / *edgeRatio : kNoLimit;
    const double c4 = edgeMaxMm ? *edgeMaxMm / 10.0 : kNoLimit;
    GoverningDeflection out;
    out.edge = std::min(std::min(std::min(c1, c2), c3), c4);
    out.member = out.edge / (lsc * lsc / (lpc * lpc));
    return out;
}

// A two-span beam with spans l1 ≥ l2 [m] under a uniform load q [kN/m]; moments in kNm.
struct TwoSpan {
    double simpleMoment = 0.0;  // M0 = q·l1²/8 of the longer span as a single span
    double supportMoment = 0.0; // MS at the middle support
};

// The support moment distributes the difference of the simple-span moments by the stiffness
// share κ of the longer span; it equals −q·(l1² − l1·l2 + l2²)/8.
inline TwoSpan twoSpan(double l1, double l2, double q)
{
    const double kappa = (1.0 / l1) / (1.0 / l1 + 1.0 / l2);
    const double m01 = l1 * l1 * q / 8.0;
    const double m02 = l2 * l2 * q / 8.0;
    return {m01, kappa * (m01 - m02) - m01};
}

// Largest span moment of the longer span [kNm] under the load qR: its end reaction is
// R = qR·l1/2 + MS/l1, and the moment peaks where the shear R − qR·x vanishes, at R²/(2·qR).
// Only for qR ≠ 0.
inline double twoSpanFieldMoment(double l1, double supportMoment, double qR)
{
    const double reaction = qR * l1 / 2.0 + supportMoment / l1;
    return reaction * reaction / (2.0 * qR);
}

// Second moment of area [cm⁴] for which the longer span deflects by f [cm] at mid-span.
inline double twoSpanInertia(double l1, const TwoSpan &beam, double f)
{
    return l1 * l1 * (kDeflectionFactor / f) * (beam.simpleMoment + kSupportShare * beam.supportMoment);
}

// How much the largest deflection of the longer span exceeds what twoSpanInertia() takes, for a
// two-span beam with one uniform load on both spans and the span ratio l2/l1 (0 < l2/l1 ≤ 1).
//
// twoSpanInertia() sizes by the mid-span deflection (5/48)·l1²·(M0 − 0.616·|MS|)/EI. The longer
// span's elastic line, a simple span under q with the support moment |MS| = μ·q·l1²/8 at its
// inner end, μ = 1 − ρ + ρ² (ρ = l2/l1), is, with ξ = x/l1 from the end support,
//   EI·w(ξ) = q·l1⁴·[ ξ·(1 − 2ξ² + ξ³)/24 − μ·ξ·(1 − ξ²)/48 ].
// Its largest value lies where the slope vanishes, 8ξ³ + (3μ − 12)·ξ² + (2 − μ) = 0; the slope is
// positive at ξ = 0 and negative at ξ = 0.75 for every μ from 0.75 to 1, so halving that interval
// finds it. The factor is that largest deflection over the mid-span term: 1.083 for equal spans
// (q·l⁴/184.6 against q·l⁴/200) and for a very short second span, 1.036 at a ratio of 0.5.
inline double twoSpanDeflectionFactor(double spanRatio)
{
    const double rho = std::clamp(spanRatio, 0.0, 1.0);
    const double mu = 1.0 - rho + rho * rho;
    const auto slope = [mu](double x) { return 8.0 * x * x * x + (3.0 * mu - 12.0) * x * x + (2.0 - mu); };
    double low = 0.0;
    double high = 0.75;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2.0;
        (slope(mid) > 0.0 ? low : high) = mid;
    }
    const double x = (low + high) / 2.0;
    const double largest = x * (1.0 - 2.0 * x * x + x * x * x) / 24.0 - mu * x * (1.0 - x * x) / 48.0;
    const double midSpan = 5.0 * (1.0 - kSupportShare * mu) / 384.0;
    return largest / midSpan;
}

} // namespace vb
