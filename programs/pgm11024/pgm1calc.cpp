#include "programs/pgm11024/pgm1calc.h"

#include <algorithm>

namespace vb::pgm1
{

namespace
{

// Moment [kNm] and deflection term of one pane's load on the transom after the 45-degree
// rule. Lengths in m, w in kN/m².
struct PaneLoad {
    double moment;
    double deflection;
};

PaneLoad paneLoad(double h, double l, double w)
{
    if (h > l) {
        // Pane higher than the span: a triangle with its peak w·L/2 at mid-span.
        return {w * l * (3.0 * l * l - l * l) / 48.0, (w * l / 2.0) * l * l * l * l / 120.0};
    }
    // A trapezoid with ramps of H/2 and a plateau of w·H/2; H = L gives the triangle.
    const double a = 0.5 * h / l;
    return {w * h * (3.0 * l * l - h * h) / 48.0,
            (w * h / 2.0) * l * l * l * l * (25.0 - 40.0 * a * a + 16.0 * a * a * a * a) / 1920.0};
}

} // namespace

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;

    // Deflection limits. Lengths m → cm (× 100), caps mm → cm (÷ 10). A mullion limit is
    // carried over to the pane edge by the ratio r = LS² / LP², since the pane edge of
    // length LS on a member deflecting by f deflects by f·(LS/LP)². For a transom LP and LS
    // are the pane heights H1 and H2, and its own limit row is L/x with the span L.
    // This is the rule of governingDeflection() in core/member.h, but the ratio is taken first
    // and the limits multiplied by it: the other order moves the last bit of some results, and
    // Programm 1's results must not move.
    const double lpc = 100.0 * in.lp;
    const double lsc = 100.0 * in.ls;
    const double ratio = lsc * lsc / (lpc * lpc);
    const double governingLength = in.transom ? in.a : in.ls;
    const double d1 = in.memberRatio && !in.transom ? (lpc / *in.memberRatio) * ratio : kNoLimit;
    const double d2 = in.memberCapMm && !in.transom ? (*in.memberCapMm / 10.0) * ratio : kNoLimit;
    const double d3 = in.edgeRatio ? 100.0 * governingLength / *in.edgeRatio : kNoLimit;
    const double d4 = in.edgeCapMm ? *in.edgeCapMm / 10.0 : kNoLimit;
    const double s = std::min(std::min(std::min(d1, d2), d3), d4);
    fp.note();
    const double f = s / ratio;
    fp.note();

    double m = 0.0;
    double inertia = 0.0;
    if (!in.transom) {
        // Mullion: uniform line load on a single span LP.
        const double q = (in.a + in.b) / 2.0;                    // load width [m]
        m = (in.wind / 10000.0) * (100.0 * q) * lpc * lpc / 8.0; // w/10 000 in kN/cm²
        fp.note();
        // 5·p·L⁴/384 with p = w·q/100 in kN/cm
        const double n = 5.0 * in.wind * (100.0 * q) * lpc * lpc * lpc * lpc / 3840000.0;
        fp.note();
        inertia = n / (kE * f);
        fp.note();
    } else {
        // Transom: the panes above (H1) and below (H2) hand on their loads; lengths in m.
        const PaneLoad p1 = paneLoad(in.lp, in.a, in.wind);
        const PaneLoad p2 = paneLoad(in.ls, in.a, in.wind);
        fp.note();
        m = (p1.moment + p2.moment) * 100.0; // kNm → kNcm
        fp.note();
        // (Dh1 + Dh2)·100⁴ / (E · s/100) / 100²  =  (Dh1 + Dh2)·10⁶ / (E·s)
        inertia = (p1.deflection + p2.deflection) * 1.0e8 / (kE * s / 100.0) / 1.0e4;
        fp.note();
    }
    const double w = m / kSigma;

    r.memberDeflection = f;
    r.edgeDeflection = s;
    r.moment = m;
    r.sectionModulus = w;
    r.inertia = inertia;
    for (const double v : {f, s, m, w, inertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm1
