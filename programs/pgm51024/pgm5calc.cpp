#include "programs/pgm51024/pgm5calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vb::pgm5
{

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // The longer rafter governs moment and deflection, whichever field holds it.
    const double lmax = std::max(in.l1, in.l2);
    const double lmin = std::min(in.l1, in.l2);

    // Allowable deflections of the glass edge and of the rafter in its longer span.
    const GoverningDeflection limits =
        governingDeflection(lmax, in.ls, in.rafterRatio, in.rafterCapMm, in.edgeRatio, in.edgeCapMm);
    const double fS = limits.edge;
    const double fP = limits.member;
    fp.note();

    // Load width from half of each adjacent field [m]; pitch in radians; projections of
    // both rafters on the horizontal (h) and the vertical (v) [m].
    const double e = (in.a + in.b) / 2.0;
    const double phi = std::numbers::pi * in.pitch / 180.0;
    const double cosA = std::cos(phi);
    const double sinA = std::sin(phi);
    const double l1h = cosA * lmax;
    const double l2h = cosA * lmin;
    const double l1v = sinA * lmax;
    const double l2v = sinA * lmin;
    fp.note();

    const rafter::PitchLoads loads = rafter::loadsAtPitch(in.pitch, in.snow, in.wind, in.snowRule);
    // Dead load per m² of roof surface and snow per m² of plan, as a vertical load per
    // horizontal metre of rafter [kN/m].
    const double qv = (in.dead / cosA + loads.mu * loads.snow) * e;
    fp.note();

    double ms = 0.0;
    double mf = 0.0;
    double inertia = 0.0;
    if (!loads.windCounted) {
        // Below 25°: dead load and snow only, on the horizontal projection. Without them
        // the rafter carries nothing (the wind is not counted) and nothing is written.
        if (qv == 0.0) {
            r.failure = fp.failure();
            return r;
        }
        const TwoSpan h = twoSpan(l1h, l2h, qv);
        ms = h.supportMoment;
        inertia = twoSpanInertia(l1h, h, fP);
        mf = twoSpanFieldMoment(l1h, ms, qv);
        fp.note();
    } else {
        // From 25°: the wind, raised by 25 %, perpendicular to the roof [kN/m].
        const double qw = kWindFactor * loads.wind * e;
        fp.note();
        if (qv <= 0.0 && qw <= 0.0) {
            r.failure = fp.failure();
            return r;
        }
        // System H: everything on the horizontal projection; the wind's share on the vertical
        // projection as system V. Their moments add up.
        const double qh = (in.dead / cosA + loads.mu * loads.snow + kWindFactor * loads.wind) * e;
        const TwoSpan h = twoSpan(l1h, l2h, qh);
        const double mfH = twoSpanFieldMoment(l1h, h.supportMoment, qv + qw);
        fp.note();
        const TwoSpan v = twoSpan(l1v, l2v, qw);
        const double mfV = qw == 0.0 ? 0.0 : twoSpanFieldMoment(l1v, v.supportMoment, qw);
        fp.note();
        ms = h.supportMoment + v.supportMoment;
        mf = mfH + mfV;
        inertia = twoSpanInertia(l1h, h, fP) / cosA + twoSpanInertia(l1v, v, fP) / sinA;
        fp.note();
    }

    r.loaded = true;
    r.rafterDeflection = fP;
    r.edgeDeflection = fS;
    r.spanMoment = mf * 100.0;    // kNm → kNcm
    r.supportMoment = ms * 100.0; // kNm → kNcm
    r.spanModulus = std::abs(r.spanMoment / kSigma);
    r.supportModulus = std::abs(r.supportMoment / kSigma);
    r.inertia = std::abs(inertia);
    r.governingInertia = r.inertia * twoSpanDeflectionFactor(lmin / lmax);
    fp.note();
    for (const double v : {r.rafterDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment, r.spanModulus,
                           r.supportModulus, r.inertia, r.governingInertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm5
