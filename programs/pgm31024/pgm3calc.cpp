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

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // Load width: half of each adjacent field [m].
    const double e = (in.a + in.b) / 2.0;

    // Allowable deflections of the pane edge and the rafter.
    const GoverningDeflection limits =
        governingDeflection(in.lp, in.ls, in.rafterRatio, in.rafterMaxMm, in.edgeRatio, in.edgeMaxMm);
    const double fS = limits.edge;
    const double fP = limits.member;
    fp.note();

    // Snow and wind by pitch: below 25° a roof takes no wind; from 25° to 45° the smaller of
    // the two is halved (the comparison takes s0 before its reduction by μ).
    const double alpha = in.pitch;
    const rafter::PitchLoads loads = rafter::loadsAtPitch(alpha, in.snow, in.wind, in.snowRule);
    const double mu = loads.mu;
    const bool windActs = loads.windCounted;
    const double s0 = loads.snow;
    const double w = loads.wind;

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
