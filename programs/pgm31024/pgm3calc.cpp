#include "programs/pgm31024/pgm3calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vb::pgm3
{

namespace
{

// Deflection term 5·(q/100)·L⁴/384 of a uniform load q [kN/m] on a span L [cm].
double deflectionTerm(double q, double l)
{
    return 5.0 * q * 100.0 * l * l * l * l / 3840000.0;
}

} // namespace

double snowCoefficient(SnowRule rule, double pitch)
{
    if (rule == SnowRule::Din) {
        // ks: full snow up to 30°, falling linearly to nothing at 70°.
        if (pitch <= 30.0)
            return 1.0;
        if (pitch < 70.0)
            return 1.0 - (pitch - 30.0) / 40.0;
        return 0.0;
    }
    // μ1: 0.8 up to 30°, falling linearly to nothing at 60°.
    if (pitch <= 30.0)
        return 0.8;
    if (pitch < 60.0)
        return 0.8 * (60.0 - pitch) / 30.0;
    return 0.0;
}

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // Load width: half of each adjacent field [m].
    const double e = (in.a + in.b) / 2.0;

    // Allowable deflections. Lengths m → cm (× 100), maxima mm → cm (÷ 10). The pane edge of
    // length LS on a rafter deflecting by f deflects by f·(LS/LP)², so each rafter limit is
    // carried over to the pane edge by that ratio and the smallest allowance governs.
    const double lsc = 100.0 * in.ls;
    const double lpc = 100.0 * in.lp;
    const double c1 = in.rafterRatio ? lsc * lsc * (lpc / *in.rafterRatio) / (lpc * lpc) : kNoLimit;
    const double c2 = in.rafterMaxMm ? lsc * lsc * (*in.rafterMaxMm / 10.0) / (lpc * lpc) : kNoLimit;
    const double c3 = in.edgeRatio ? lsc / *in.edgeRatio : kNoLimit;
    const double c4 = in.edgeMaxMm ? *in.edgeMaxMm / 10.0 : kNoLimit;
    fp.note();
    const double fS = std::min(std::min(std::min(c1, c2), c3), c4);
    const double fP = fS / (lsc * lsc / (lpc * lpc));
    fp.note();

    // Snow and wind by pitch: below 25° a roof takes no wind; from 25° to 45° the smaller of
    // the two is halved (the comparison takes s0 before its reduction by μ).
    const double alpha = in.pitch;
    const double mu = snowCoefficient(in.snowRule, alpha);
    const bool windActs = alpha >= 25.0;
    double s0 = in.snow;
    double w = in.wind;
    if (alpha >= 25.0 && alpha <= 45.0) {
        if (s0 / 2.0 + w > w / 2.0 + s0)
            s0 = s0 / 2.0;
        else
            w = w / 2.0;
    }

    const double phi = alpha / 180.0 * std::numbers::pi;
    // Dead load per m of slope and snow per m of plan, both vertical per m of plan [kN/m];
    // wind perpendicular to the rafter [kN/m].
    const double qv = (in.deadLoad / std::cos(phi) + mu * s0) * e;
    const double qw = kWindFactor * w * e;
    // Horizontal and vertical projection of the rafter [m].
    const double lh = in.lp * std::cos(phi);
    const double ln = in.lp * std::sin(phi);
    fp.note();

    // Single span: M = q·l²/8, kNm → kNcm (× 100); the two wind terms together equal qw·LP²/8.
    double m = 0.0;
    if (!windActs)
        m = 100.0 * qv * lh * lh / 8.0;
    else
        m = 100.0 * (qv * lh * lh / 8.0 + qw * ln * ln / 8.0 + qw * lh * lh / 8.0);
    fp.note();
    const double wx = m / kSigma;

    // Second moment of area so that the rafter deflects by fP perpendicular to its axis;
    // projections in cm.
    const double lhc = 100.0 * lh;
    const double lnc = 100.0 * ln;
    double ix = 0.0;
    if (!windActs) {
        ix = deflectionTerm(qv, lhc) / (std::cos(phi) * kE * fP);
    } else {
        ix = (deflectionTerm(qv, lhc) / (std::cos(phi) * fP) / std::cos(phi) +
              deflectionTerm(qw, lhc) / (std::cos(phi) * fP) / std::cos(phi) +
              deflectionTerm(qw, lnc) / (std::sin(phi) * fP) / std::sin(phi)) /
             kE;
    }
    fp.note();

    r.rafterDeflection = fP;
    r.edgeDeflection = fS;
    r.moment = m;
    r.sectionModulus = wx;
    r.inertia = ix;
    for (const double v : {fP, fS, m, wx, ix})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm3
