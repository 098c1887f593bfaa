// The calculation of "Programm 4" against any doubles, with the deflection limits given or
// not. It never crashes, whatever the inputs. For inputs the form's checks let through
// (spans and pane > 0, LS not longer than the longer span, widths >= 0 with one > 0, given
// limits > 0, at least one limit, a wind load that read) every result is finite or the
// calculation reports a floating-point failure; the deflections are not negative, the span
// moment follows the sign of the wind load and the support moment opposes it, the section
// values are magnitudes, and exchanging the two spans changes no result. Each input is also
// folded into the range of real facades (spans of 1 cm to 100 m, l/1 to l/10 000, caps of
// 0.1 mm to 10 m, wind up to ±100 kN/m²): there the calculation must not report a failure.
//
// Input: byte 0 says which limits are given (bits 0 to 3: mullion l/n, mullion cap, glass
// edge l/n, glass-edge cap). Then ten doubles of 8 bytes each, little-endian, missing bytes
// zero: L1, L2, LS, A, B, the four limits in the order above, the wind load.
#include "programs/pgm41024/pgm4calc.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

using vb::fuzz::fold;
using vb::fuzz::knownFailure;
using vb::fuzz::require;
using vb::fuzz::sameBits;
using vb::pgm4::Input;
using vb::pgm4::Result;

namespace
{

Input decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<10> record = vb::fuzz::decodeRecord<10>(data, size);
    const double *v = record.v;
    const std::uint8_t flags = record.flags;
    Input in;
    in.l1 = v[0];
    in.l2 = v[1];
    in.ls = v[2];
    in.a = v[3];
    in.b = v[4];
    std::optional<double> *limits[] = {&in.memberRatio, &in.memberCapMm, &in.edgeRatio, &in.edgeCapMm};
    for (int k = 0; k < 4; ++k) {
        if (flags & (1 << k))
            *limits[k] = v[5 + k];
    }
    in.wind = v[9];
    return in;
}

// What the form's checks let through. A read number is always finite.
bool passesChecks(const Input &in)
{
    const double all[] = {in.l1, in.l2, in.ls, in.a, in.b, in.wind};
    if (!std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;
    if (!(in.l1 > 0 && in.l2 > 0 && in.ls > 0))
        return false;
    if (!(in.a >= 0 && in.b >= 0 && (in.a > 0 || in.b > 0)))
        return false;
    if (in.ls > std::max(in.l1, in.l2))
        return false; // LS may not be longer than the longer span
    bool any = false;
    for (const std::optional<double> &limit : {in.memberRatio, in.memberCapMm, in.edgeRatio, in.edgeCapMm}) {
        if (limit && !(std::isfinite(*limit) && *limit > 0))
            return false; // the form would ignore it; the input here is not the form's
        any = any || limit.has_value();
    }
    return any;
}

// x folded into [lo, hi): deterministic, so a crash input reproduces.
Input toRealFacade(const Input &raw)
{
    Input in = raw;
    in.l1 = fold(raw.l1, 0.01, 100.0);
    in.l2 = fold(raw.l2, 0.01, 100.0);
    in.ls = fold(raw.ls, 0.01, 100.0);
    in.ls = std::min(in.ls, std::max(in.l1, in.l2));
    in.a = fold(raw.a, 0.0, 100.0);
    in.b = fold(raw.b, 0.0, 100.0);
    if (in.a == 0 && in.b == 0)
        in.a = 1.0;
    if (in.memberRatio)
        in.memberRatio = fold(*in.memberRatio, 1.0, 10000.0);
    if (in.memberCapMm)
        in.memberCapMm = fold(*in.memberCapMm, 0.1, 10000.0);
    if (in.edgeRatio)
        in.edgeRatio = fold(*in.edgeRatio, 1.0, 10000.0);
    if (in.edgeCapMm)
        in.edgeCapMm = fold(*in.edgeCapMm, 0.1, 10000.0);
    if (!in.memberRatio && !in.memberCapMm && !in.edgeRatio && !in.edgeCapMm)
        in.memberRatio = 200.0;
    in.wind = std::isfinite(raw.wind) ? std::copysign(fold(raw.wind, 0.0, 100.0), raw.wind) : 1.0;
    return in;
}

bool sameResults(const Result &a, const Result &b)
{
    return a.failure == b.failure && sameBits(a.memberDeflection, b.memberDeflection) &&
           sameBits(a.edgeDeflection, b.edgeDeflection) && sameBits(a.spanMoment, b.spanMoment) &&
           sameBits(a.supportMoment, b.supportMoment) && sameBits(a.spanModulus, b.spanModulus) &&
           sameBits(a.supportModulus, b.supportModulus) && sameBits(a.inertia, b.inertia);
}

void checkChecked(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    const double results[] = {r.memberDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment,
                              r.spanModulus,      r.supportModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);

    Input swapped = in;
    std::swap(swapped.l1, swapped.l2);
    require(sameResults(vb::pgm4::calculate(swapped), r), "exchanging the spans changes a result", data,
            size);

    if (r.failure != vb::FpFailure::None)
        return;
    // A limit so small that it vanishes gives a zero deflection; with a load on the mullion
    // that divides by zero and is reported, without one nothing is sized.
    require(r.edgeDeflection >= 0 && r.memberDeflection >= 0, "a governing deflection is negative", data,
            size);
    require(r.spanMoment == 0 || (r.edgeDeflection > 0 && r.memberDeflection > 0),
            "a mullion under load is sized for no deflection", data, size);
    require(r.spanMoment == 0 || (r.spanMoment > 0) == (in.wind > 0),
            "the span moment does not follow the wind", data, size);
    require(r.supportMoment == 0 || (r.supportMoment < 0) == (in.wind > 0),
            "the support moment does not oppose the wind", data, size);
    require(r.spanModulus >= 0 && r.supportModulus >= 0 && r.inertia >= 0, "a section value is negative",
            data, size);
    if (in.wind == 0)
        require(r.spanMoment == 0 && r.supportMoment == 0 && r.inertia == 0, "no wind gives a moment", data,
                size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const Result r = vb::pgm4::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, data, size);

    const Input facade = toRealFacade(in);
    require(passesChecks(facade), "a folded input does not pass the checks", data, size);
    const Result rf = vb::pgm4::calculate(facade);
    require(rf.failure == vb::FpFailure::None, "a real facade mullion reports a floating-point failure", data,
            size);
    checkChecked(facade, rf, data, size);
    return 0;
}
