// The calculation of "Programm 6" against any doubles, glass or infill. It never crashes,
// whatever the inputs. For inputs the form's checks let through (every value read and
// > 0, the setting blocks no farther in than mid-span) every result is finite or the
// calculation reports a floating-point failure; then weight, reaction, moment, section
// modulus and moment of inertia are not negative, the reaction covers half the pane, and the
// alternative that is switched off never changes a result. Each input is also folded into
// the range of real transoms (spans of 1 cm to 20 m, panes up to 20 m high, glass of
// 0.1 to 200 mm, infills up to 50 kN/m², deflections of 0.01 to 1000 mm): there the
// calculation must not report a failure at all, and every result is positive.
//
// Input: byte 0 holds the option (bit 0 set: infill). Then six doubles of 8 bytes each,
// little-endian, missing bytes zero: span, height, glass thickness, infill weight,
// setting-block distance, allowed deflection.
#include "programs/pgm61024/pgm6calc.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

using vb::fuzz::fold;
using vb::fuzz::knownFailure;
using vb::fuzz::require;
using vb::fuzz::sameBits;
using vb::pgm6::Input;
using vb::pgm6::Result;

namespace
{

Input decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<6> record = vb::fuzz::decodeRecord<6>(data, size);
    const double *v = record.v;
    const std::uint8_t flags = record.flags;
    Input in;
    in.glass = !(flags & 1);
    in.span = v[0];
    in.height = v[1];
    in.thicknessMm = v[2];
    in.infill = v[3];
    in.blocks = v[4];
    in.deflectionMm = v[5];
    return in;
}

bool positiveNumber(double v)
{
    return std::isfinite(v) && v > 0;
}

// What the form's checks let through; the alternative switched off is not read.
bool passesChecks(const Input &in)
{
    const double weight = in.glass ? in.thicknessMm : in.infill;
    return positiveNumber(in.span) && positiveNumber(in.height) && positiveNumber(weight) &&
           positiveNumber(in.blocks) && positiveNumber(in.deflectionMm) &&
           vb::pgm6::blocksWithinSpan(in.span, in.blocks);
}

// x folded into [lo, hi): deterministic, so a crash input reproduces.
Input toRealTransom(const Input &raw)
{
    Input in = raw;
    in.span = fold(raw.span, 0.01, 20.0);
    in.height = fold(raw.height, 0.01, 20.0);
    in.thicknessMm = fold(raw.thicknessMm, 0.1, 200.0);
    in.infill = fold(raw.infill, 0.01, 50.0);
    // Blocks from 1 mm in from the end up to mid-span.
    in.blocks = std::min(0.5 * in.span, fold(raw.blocks, 0.001, 0.5 * in.span + 0.001));
    in.deflectionMm = fold(raw.deflectionMm, 0.01, 1000.0);
    return in;
}

void checkChecked(const Input &in, const Result &r, bool realTransom, const std::uint8_t *data,
                  std::size_t size)
{
    const double results[] = {r.weight, r.reaction, r.moment, r.sectionModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);
    if (r.failure != vb::FpFailure::None)
        return;
    // Extreme inputs may underflow to zero; a real transom never does.
    const auto positive = [realTransom](double v) { return realTransom ? v > 0 : v >= 0; };
    require(positive(r.weight) && positive(r.reaction) && positive(r.moment) && positive(r.sectionModulus) &&
                positive(r.inertia),
            "a result of the transom is negative or, for a real transom, zero", data, size);
    require(r.reaction >= 0.5 * r.weight, "the reaction does not carry half the pane", data, size);
    // The field switched off never counts.
    Input other = in;
    other.thicknessMm = in.glass ? in.thicknessMm : -1.0;
    other.infill = in.glass ? -1.0 : in.infill;
    const Result o = vb::pgm6::calculate(other);
    require(o.failure == r.failure && sameBits(o.weight, r.weight) && sameBits(o.reaction, r.reaction) &&
                sameBits(o.moment, r.moment) && sameBits(o.inertia, r.inertia),
            "the switched-off alternative changes a result", data, size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const Result r = vb::pgm6::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, false, data, size);

    const Input transom = toRealTransom(in);
    require(passesChecks(transom), "a folded input does not pass the checks", data, size);
    const Result rt = vb::pgm6::calculate(transom);
    require(rt.failure == vb::FpFailure::None, "a real transom reports a floating-point failure", data, size);
    checkChecked(transom, rt, true, data, size);
    return 0;
}
