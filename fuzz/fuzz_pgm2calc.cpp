// The calculation of "Programm 2" against any doubles, with the deflection limits given or
// not. It never crashes, whatever the inputs. For inputs the form's checks let through
// (LP, c and qk > 0, widths >= 0 and one of them > 0, given limits > 0, at least one limit,
// the load below the top support) every result is finite or the calculation reports a
// floating-point failure, and the allowable deflection is no larger than any limit given.
// Each input is also folded into the range of real facades (mullions of 10 cm to 100 m,
// fields of 1 cm to 100 m, l/1 to l/10 000, maxima of 0.1 mm to 10 m, loads up to 100 kN/m at
// any height between the supports): there the calculation must not report a failure, the
// results are positive, the load at c and at LP − c gives the same results, and the second
// moment of area is the closed form P·s·(l² − s²)^(3/2) / (9·√3·E·fzul·l).
//
// Input: byte 0 says which limits are given (bit 0: the ratio n, bit 1: the maximum in mm).
// Then seven doubles of 8 bytes each, little-endian, missing bytes zero: LP, A, B, n, the
// maximum, c, qk.
#include "programs/pgm21024/pgm2calc.h"

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
using vb::pgm2::Input;
using vb::pgm2::Result;

namespace
{

Input decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<7> record = vb::fuzz::decodeRecord<7>(data, size);
    const double *v = record.v;
    const std::uint8_t flags = record.flags;
    Input in;
    in.lp = v[0];
    in.a = v[1];
    in.b = v[2];
    if (flags & 1)
        in.ratio = v[3];
    if (flags & 2)
        in.capMm = v[4];
    in.c = v[5];
    in.qk = v[6];
    return in;
}

// What the form's checks let through. A read number is always finite.
bool passesChecks(const Input &in)
{
    const double all[] = {in.lp, in.a, in.b, in.c, in.qk};
    if (!std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;
    if (!(in.lp > 0 && in.c > 0 && in.qk > 0 && in.c < in.lp))
        return false;
    if (!(in.a >= 0 && in.b >= 0 && (in.a > 0 || in.b > 0)))
        return false;
    for (const std::optional<double> &limit : {in.ratio, in.capMm}) {
        if (limit && !(std::isfinite(*limit) && *limit > 0))
            return false; // the form would ignore it; the input here is not the form's
    }
    return in.ratio || in.capMm;
}

// x folded into [lo, hi): deterministic, so a crash input reproduces.
Input toRealFacade(const Input &raw)
{
    Input in = raw;
    in.lp = fold(raw.lp, 0.1, 100.0);
    // Field widths of 0 (a corner mullion) or of 1 cm to 100 m.
    in.a = fold(raw.a, 0.0, 100.0);
    in.b = fold(raw.b, 0.0, 100.0);
    in.a = in.a < 0.01 ? 0.0 : in.a;
    in.b = in.b < 0.01 ? 0.0 : in.b;
    if (in.a == 0 && in.b == 0)
        in.a = 1.0;
    if (in.ratio)
        in.ratio = fold(*in.ratio, 1.0, 10000.0);
    if (in.capMm)
        in.capMm = fold(*in.capMm, 0.1, 10000.0);
    if (!in.ratio && !in.capMm)
        in.ratio = 200.0;
    // The handrail between 0.1 % and 99.9 % of the mullion's length.
    in.c = in.lp * fold(raw.c, 0.001, 0.999);
    in.qk = fold(raw.qk, 0.01, 100.0);
    return in;
}

bool close(double x, double y, double relative)
{
    return std::fabs(x - y) <= relative * std::max(std::fabs(x), std::fabs(y));
}

void checkChecked(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    const double results[] = {r.allowedDeflection, r.moment, r.sectionModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);
    if (r.failure != vb::FpFailure::None)
        return;
    require(r.allowedDeflection >= 0, "the allowable deflection is negative", data, size);
    require(r.moment >= 0 && r.sectionModulus >= 0 && r.inertia >= 0,
            "a load between the supports gives a negative moment, section modulus or second moment of area",
            data, size);
    if (in.ratio)
        require(r.allowedDeflection <= in.lp * 100.0 / *in.ratio, "the allowable deflection exceeds l/n",
                data, size);
    if (in.capMm)
        require(r.allowedDeflection <= *in.capMm / 10.0, "the allowable deflection exceeds the maximum", data,
                size);
}

void checkRealFacade(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    require(r.failure == vb::FpFailure::None, "a real facade mullion reports a floating-point failure", data,
            size);
    checkChecked(in, r, data, size);
    require(r.allowedDeflection > 0 && r.moment > 0 && r.sectionModulus > 0 && r.inertia > 0,
            "a real facade mullion gives a result that is not positive", data, size);

    // The beam is symmetric: the load at LP − c gives the same results.
    Input mirrored = in;
    mirrored.c = in.lp - in.c;
    const Result m = vb::pgm2::calculate(mirrored);
    require(m.failure == vb::FpFailure::None && close(m.moment, r.moment, 1e-9) &&
                close(m.inertia, r.inertia, 1e-9),
            "the load at c and at LP - c give different results", data, size);

    // Largest deflection of the single span under the point load, solved for I.
    const double p = (in.a + in.b) * in.qk / 2.0;
    const double l = 100.0 * in.lp;
    const double s = 100.0 * std::min(in.c, in.lp - in.c);
    const double expected =
        p * s * std::pow(l * l - s * s, 1.5) / (9.0 * std::sqrt(3.0) * vb::kE * r.allowedDeflection * l);
    require(close(r.inertia, expected, 1e-9), "the second moment of area is not the closed form", data, size);
    require(close(r.sectionModulus * vb::kSigma, r.moment, 1e-12), "W is not M / 8.8", data, size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const Result r = vb::pgm2::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, data, size);

    const Input facade = toRealFacade(in);
    require(passesChecks(facade), "a folded input does not pass the checks", data, size);
    checkRealFacade(facade, vb::pgm2::calculate(facade), data, size);
    return 0;
}
