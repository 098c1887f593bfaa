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

    // Deflection limits as allowable glass-edge deflections in cm: lengths m → cm (× 100),
    // caps mm → cm (÷ 10). The glass edge of length LS deflects by the mullion deflection of
    // the longer span times (LS/Lmax)², so a mullion limit is carried over by that ratio.
    const double lsc = in.ls * 100.0;
    const double lmaxc = lmax * 100.0;
    const double ratio = lsc * lsc / (lmaxc * lmaxc);
    fp.note();
    const double c1 = in.memberRatio ? lsc * lsc * (lmaxc / *in.memberRatio) / (lmaxc * lmaxc) : kNoLimit;
    const double c2 = in.memberCapMm ? lsc * lsc * (*in.memberCapMm / 10.0) / (lmaxc * lmaxc) : kNoLimit;
    const double c3 = in.edgeRatio ? lsc / *in.edgeRatio : kNoLimit;
    const double c4 = in.edgeCapMm ? *in.edgeCapMm / 10.0 : kNoLimit;
    fp.note();
    const double fs = std::min(std::min(std::min(c1, c2), c3), c4);
    const double fpm = fs / ratio;
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
        // Two-span beam, moments in kNm. The support moment distributes the difference of
        // the simple-span moments by the stiffness share κ of the longer span; it equals
        // −q·(Lmax² − Lmax·Lmin + Lmin²)/8.
        const double kappa = (1.0 / lmax) / (1.0 / lmax + 1.0 / lmin);
        const double m0max = lmax * lmax * q / 8.0;
        const double m0min = lmin * lmin * q / 8.0;
        ms = kappa * (m0max - m0min) - m0max;
        fp.note();
        // End reaction of the longer span [kN]; the span moment peaks where the shear is zero.
        const double reaction = q * lmax / 2.0 + ms / lmax;
        mf = reaction * reaction / (2.0 * q);
        fp.note();
        // Mid-span deflection of the longer span: f = 14.88 · L² · (M0 + 0.616·MS) / I with
        // L in m, M in kNm, f in cm, I in cm⁴.
        inertia = std::abs(lmax * lmax * (kDeflectionFactor / fpm) * (m0max + kSupportShare * ms));
        fp.note();
    }

    r.memberDeflection = fpm;
    r.edgeDeflection = fs;
    r.spanMoment = mf * 100.0;    // kNm → kNcm
    r.supportMoment = ms * 100.0; // kNm → kNcm
    r.spanModulus = std::abs(r.spanMoment / kSigma);
    r.supportModulus = std::abs(r.supportMoment / kSigma);
    r.inertia = inertia;
    fp.note();
    for (const double v : {r.memberDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment, r.spanModulus,
                           r.supportModulus, r.inertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm4
