// The calculation of "Programm 3" against any doubles, under both snow rules, with the
// deflection limits given or not. It never crashes, whatever the inputs. For inputs the
// form's checks let through (LP and LS > 0 with LS not above LP, widths >= 0 and one > 0,
// a pitch from 0 to below 89°, given limits > 0 and at least one, loads >= 0) every result
// is finite or the calculation reports a floating-point failure, the deflections are
// positive and moment, section modulus and second moment of area are not negative; below
// 25° the wind has no influence, from 70° on the snow rule has none. Each input is also
// folded into the range of real roofs (rafters of 1 cm to 100 m, l/1 to l/10 000, maxima
// of 0.1 mm to 10 m, loads up to 100 kN/m²): there the calculation must not fail at all.
//
// Input: byte 0 holds the snow rule (bit 0 set: British) and which limits are given (bits
// 1 to 4: rafter l/n, rafter maximum, pane edge l/n, pane edge maximum). Then twelve
// doubles of 8 bytes each, little-endian, missing bytes zero: LP, A, B, LS, pitch, the four
// limits in the order above, dead load, snow load, wind load.
#include "programs/pgm31024/pgm3calc.h"

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
using vb::pgm3::Input;
using vb::pgm3::Result;
using vb::pgm3::SnowRule;

namespace
{

Input decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<12> record = vb::fuzz::decodeRecord<12>(data, size);
    const double *v = record.v;
    const std::uint8_t flags = record.flags;
    Input in;
    in.snowRule = (flags & 1) ? SnowRule::Bs : SnowRule::Din;
    in.lp = v[0];
    in.a = v[1];
    in.b = v[2];
    in.ls = v[3];
    in.pitch = v[4];
    std::optional<double> *limits[] = {&in.rafterRatio, &in.rafterMaxMm, &in.edgeRatio, &in.edgeMaxMm};
    for (int k = 0; k < 4; ++k) {
        if (flags & (2 << k))
            *limits[k] = v[5 + k];
    }
    in.deadLoad = v[9];
    in.snow = v[10];
    in.wind = v[11];
    return in;
}

// What the form's checks let through. A read number is always finite.
bool passesChecks(const Input &in)
{
    const double all[] = {in.lp, in.a, in.b, in.ls, in.pitch, in.deadLoad, in.snow, in.wind};
    if (!std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;
    if (!(in.lp > 0 && in.ls > 0 && in.ls <= in.lp))
        return false;
    if (!(in.a >= 0 && in.b >= 0 && (in.a > 0 || in.b > 0)))
        return false;
    if (!(in.pitch >= 0 && in.pitch < 89.0))
        return false;
    if (!(in.deadLoad >= 0 && in.snow >= 0 && in.wind >= 0))
        return false;
    bool any = false;
    for (const std::optional<double> &limit : {in.rafterRatio, in.rafterMaxMm, in.edgeRatio, in.edgeMaxMm}) {
        if (limit && !(std::isfinite(*limit) && *limit > 0))
            return false; // the form would not count it; the input here is not the form's
        any = any || limit.has_value();
    }
    return any;
}

// x folded into [lo, hi): deterministic, so a crash input reproduces.
Input toRealRoof(const Input &raw)
{
    Input in = raw;
    in.lp = fold(raw.lp, 0.01, 100.0);
    in.ls = fold(raw.ls, 0.01, 100.0);
    if (in.ls > in.lp)
        std::swap(in.lp, in.ls);
    in.a = fold(raw.a, 0.0, 100.0);
    in.b = fold(raw.b, 0.0, 100.0);
    if (in.a == 0 && in.b == 0)
        in.a = 1.0;
    in.pitch = fold(raw.pitch, 0.0, 88.99);
    if (in.rafterRatio)
        in.rafterRatio = fold(*in.rafterRatio, 1.0, 10000.0);
    if (in.rafterMaxMm)
        in.rafterMaxMm = fold(*in.rafterMaxMm, 0.1, 10000.0);
    if (in.edgeRatio)
        in.edgeRatio = fold(*in.edgeRatio, 1.0, 10000.0);
    if (in.edgeMaxMm)
        in.edgeMaxMm = fold(*in.edgeMaxMm, 0.1, 10000.0);
    if (!in.rafterRatio && !in.rafterMaxMm && !in.edgeRatio && !in.edgeMaxMm)
        in.rafterRatio = 200.0;
    in.deadLoad = fold(raw.deadLoad, 0.0, 100.0);
    in.snow = fold(raw.snow, 0.0, 100.0);
    in.wind = fold(raw.wind, 0.0, 100.0);
    return in;
}

bool sameResults(const Result &a, const Result &b)
{
    return a.failure == b.failure && sameBits(a.rafterDeflection, b.rafterDeflection) &&
           sameBits(a.edgeDeflection, b.edgeDeflection) && sameBits(a.moment, b.moment) &&
           sameBits(a.sectionModulus, b.sectionModulus) && sameBits(a.inertia, b.inertia);
}

void checkChecked(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    const double results[] = {r.rafterDeflection, r.edgeDeflection, r.moment, r.sectionModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);
    if (r.failure != vb::FpFailure::None)
        return;
    require(r.edgeDeflection > 0 && r.rafterDeflection > 0, "a governing deflection is not positive", data,
            size);
    require(r.moment >= 0 && r.sectionModulus >= 0 && r.inertia >= 0,
            "M, W or I is negative under loads >= 0", data, size);
    if (in.pitch < 25.0) {
        Input calm = in;
        calm.wind = 0.0;
        require(sameResults(vb::pgm3::calculate(calm), r), "the wind changes a roof below 25 degrees", data,
                size);
    }
    if (in.pitch >= 70.0) {
        Input other = in;
        other.snowRule = in.snowRule == SnowRule::Din ? SnowRule::Bs : SnowRule::Din;
        require(sameResults(vb::pgm3::calculate(other), r),
                "the snow rule changes a rafter of 70 degrees or more", data, size);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const Result r = vb::pgm3::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, data, size);

    const Input roof = toRealRoof(in);
    require(passesChecks(roof), "a folded input does not pass the checks", data, size);
    const Result rr = vb::pgm3::calculate(roof);
    require(rr.failure == vb::FpFailure::None, "a real roof's rafter reports a floating-point failure", data,
            size);
    checkChecked(roof, rr, data, size);
    return 0;
}
