#include "programs/pgm21024/pgm2calc.h"

#include <algorithm>
#include <cmath>

namespace vb::pgm2
{

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // Allowable deflection [cm]: LP·100 / n, or the cap in mm ÷ 10; the smaller governs.
    const double f1 = in.ratio ? in.lp * 100.0 / *in.ratio : kNoRatioLimit;
    const double f2 = in.capMm ? *in.capMm / 10.0 : kNoCapLimit;
    const double fzul = std::min(f1, f2);
    fp.note();

    // b: distance from the load to the upper support [m].
    const double b = in.lp - in.c;
    // The barrier load of half of each adjacent field as one point load P [kN].
    const double p = (in.a + in.b) * in.qk / 2.0;
    fp.note();

    // Moment under the point load, P·c·b / LP, all lengths in cm [kNcm].
    const double m = (p * 100.0) * (in.c * 100.0) * (b * 100.0) / (100.0 * in.lp * 100.0);
    fp.note();
    const double w = m / kSigma;
    fp.note();

    // Second moment of area from the largest deflection of the simply supported beam
    // under the point load, set equal to fzul. Lengths in cm: l the span, a the larger
    // and s the smaller of the two distances of the load from the supports.
    const double l = 100.0 * in.lp;
    double inertia = 0.0;
    if (in.c == b) {
        // Load at mid-height: P·l³ / (48·E·fzul).
        inertia = l * l * l * (p * 100.0) / 4800.0 / (kE * fzul);
        fp.note();
    } else {
        const double a = 100.0 * std::max(in.c, b);
        const double s = 100.0 * std::min(in.c, b);
        const double sOverA = in.c > b ? b / in.c : in.c / b;
        const double aOverS = in.c > b ? in.c / b : b / in.c;
        fp.note();
        // √(2/3·s/a + 1/3) · P/9 · l³ · s²·a²/l⁴ · (2 + a/s) / (E·fzul), which is
        // P·s·(l² − s²)^(3/2) / (9·√3·E·fzul·l).
        const double root = std::sqrt((2.0 / 3.0) * sOverA + 1.0 / 3.0);
        fp.note();
        inertia = root *
                  ((p * 100.0) * l * l * l / 900.0 * s * s * a * a / (l * l * l * l) * (2.0 + aOverS)) /
                  (kE * fzul);
        fp.note();
    }

    r.allowedDeflection = fzul;
    r.moment = m;
    r.sectionModulus = w;
    r.inertia = inertia;
    for (const double v : {fzul, m, w, inertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm2
