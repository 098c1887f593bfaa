#include "programs/pgm41024/pgm4calc.h"

#include <algorithm>
#include <cmath>

namespace vb::pgm4
{

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // The longer span governs both the moment and the deflection, whichever field holds it.
    const double lmax = in.l1 >= in.l2 ? in.l1 : in.l2;
    const double lmin = in.l1 >= in.l2 ? in.l2 : in.l1;

    // Allowable deflections of the glass edge and of the mullion in its longer span.
    const GoverningDeflection limits =
        governingDeflection(lmax, in.ls, in.memberRatio, in.memberCapMm, in.edgeRatio, in.edgeCapMm);
    const double fs = limits.edge;
    const double fpm = limits.member;
    fp.note();

    // Uniform line load from half of each adjacent field [kN/m].
    const double e = (in.a + in.b) / 2.0;
    const double q = in.wind * e;
    fp.note();

    double mf = 0.0;
    double ms = 0.0;
    double inertia = 0.0;
    // Without load there is no moment; the span moment R²/(2q) would divide 0 by 0.
    if (q != 0.0) {
        // Two-span beam, moments in kNm.
        const TwoSpan beam = twoSpan(lmax, lmin, q);
        ms = beam.supportMoment;
        mf = twoSpanFieldMoment(lmax, ms, q);
        fp.note();
        inertia = std::abs(twoSpanInertia(lmax, beam, fpm));
        fp.note();
    }

    r.memberDeflection = fpm;
    r.edgeDeflection = fs;
    r.spanMoment = mf * 100.0;    // kNm → kNcm
    r.supportMoment = ms * 100.0; // kNm → kNcm
    r.spanModulus = std::abs(r.spanMoment / kSigma);
    r.supportModulus = std::abs(r.supportMoment / kSigma);
    r.inertia = inertia;
    r.governingInertia = inertia * twoSpanDeflectionFactor(lmin / lmax);
    fp.note();
    for (const double v : {r.memberDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment, r.spanModulus,
                           r.supportModulus, r.inertia, r.governingInertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm4
