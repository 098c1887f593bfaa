#include "programs/pgm61024/pgm6calc.h"

namespace vb::pgm6
{

bool blocksWithinSpan(double span, double blocks)
{
    return blocks <= 0.5 * span;
}

Result calculate(const Input &in)
{
    FpWatch fp;
    Result r;
    const double b = in.span;
    const double c = in.blocks;
    const double g = kSelfWeight;

    // Weight of the pane and the load on each of the two setting blocks, kN. Glass:
    // area × thickness (mm → m) × 25 kN/m³; infill: area × weight per area.
    const double weight =
        in.glass ? in.height * b * (in.thicknessMm / 1000.0) * kGlassWeight : in.height * b * in.infill;
    const double p = 0.5 * weight;
    fp.note();

    // Simply supported span B under the uniform self-weight g and the two block loads P.
    const double reaction = 0.5 * g * b + p;                 // kN
    const double moment = (g * b * b / 8.0 + p * c) * 100.0; // kNm → kNcm
    const double w = moment / kSigma;                        // cm³
    fp.note();

    // Mid-span deflection × E·I in kN·cm³, span in cm: 5/384 · (g/100) · L⁴ for the
    // self-weight (g/100 in kN/cm) plus P·L³/24 · (3α − 4α³) for two symmetric point
    // loads at α·L from the supports.
    const double alpha = c / b;
    const double l = 100.0 * b;
    const double d1 = (5.0 / 384.0) * (g / 100.0) * l * l * l * l;
    const double d2 = (p / 24.0) * l * l * l * (3.0 * alpha - 4.0 * alpha * alpha * alpha);
    fp.note();
    // Allowable deflection f in mm → cm.
    const double inertia = (d1 + d2) / (kE * in.deflectionMm * 0.1);
    fp.note();

    r.weight = weight;
    r.reaction = reaction;
    r.moment = moment;
    r.sectionModulus = w;
    r.inertia = inertia;
    for (const double v : {weight, reaction, moment, w, inertia})
        fp.noteResult(v);
    r.failure = fp.failure();
    return r;
}

} // namespace vb::pgm6
