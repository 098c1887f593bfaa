#include "programs/pgm51024/pgm5calc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vb::pgm5
{

namespace
{

// One two-span beam with spans l1 ≥ l2 [m] under a uniform load q [kN/m]; moments in kNm.
struct TwoSpan {
    double supportMoment; // MS
    double inertia;       // required Ix [cm⁴] for the deflection fP of the longer span
};

TwoSpan twoSpan(double l1, double l2, double q, double fP)
{
    // The support moment distributes the difference of the simple-span moments by the
    // stiffness share κ of the longer span.
    const double kappa = (1.0 / l1) / (1.0 / l1 + 1.0 / l2);
    const double m01 = l1 * l1 * q / 8.0;
    const double m02 = l2 * l2 * q / 8.0;
    const double ms = -l1 * l1 * q / 8.0 + (m01 - m02) * kappa;
    // Mid-span deflection of the longer span: f = 14.88 · l1² · (M01 + 0.616·MS) / I with
    // l1 in m, M in kNm, f in cm, I in cm⁴.
    const double inertia = l1 * l1 * (kDeflectionFactor / fP) * (kSupportShare * ms + m01);
    return {ms, inertia};
}

// Maximum span moment of the longer span [kNm]: its end reaction R = qR·l1/2 + MS/l1, and
// the moment peaks where the shear R − qR·x vanishes, at R²/(2·qR). Only for qR ≠ 0.
double spanMoment(double l1, double supportMoment, double qR)
{
    const double reaction = qR * l1 / 2.0 + supportMoment / l1;
    return reaction * reaction / (2.0 * qR);
}

} // namespace

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // The longer rafter governs moment and deflection, whichever field holds it.
    const double lmax = std::max(in.l1, in.l2);
    const double lmin = std::min(in.l1, in.l2);

    // Deflection limits as allowable glass-edge deflections in cm: lengths m → cm (× 100),
    // caps mm → cm (÷ 10). The glass edge of length LS deflects by the rafter deflection of
    // the longer span times (LS/Lmax)², so a rafter limit is carried over by that ratio.
    const double lsc = in.ls * 100.0;
    const double lmaxc = lmax * 100.0;
    const double c1 = in.rafterRatio ? lsc * lsc * (lmaxc / *in.rafterRatio) / (lmaxc * lmaxc) : kNoLimit;
    const double c2 = in.rafterCapMm ? lsc * lsc * (*in.rafterCapMm / 10.0) / (lmaxc * lmaxc) : kNoLimit;
    const double c3 = in.edgeRatio ? lsc / *in.edgeRatio : kNoLimit;
    const double c4 = in.edgeCapMm ? *in.edgeCapMm / 10.0 : kNoLimit;
    fp.note();
    const double fS = std::min(std::min(std::min(c1, c2), c3), c4);
    const double fP = fS / (lsc * lsc / (lmaxc * lmaxc));
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
        const TwoSpan h = twoSpan(l1h, l2h, qv, fP);
        ms = h.supportMoment;
        inertia = h.inertia;
        mf = spanMoment(l1h, ms, qv);
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
        const TwoSpan h = twoSpan(l1h, l2h, qh, fP);
        const double mfH = spanMoment(l1h, h.supportMoment, qv + qw);
        fp.note();
        const TwoSpan v = twoSpan(l1v, l2v, qw, fP);
        const double mfV = qw == 0.0 ? 0.0 : spanMoment(l1v, v.supportMoment, qw);
        fp.note();
        ms = h.supportMoment + v.supportMoment;
        mf = mfH + mfV;
        inertia = h.inertia / cosA + v.inertia / sinA;
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
    fp.note();
    for (const double v : {r.rafterDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment, r.spanModulus,
                           r.supportModulus, r.inertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm5
