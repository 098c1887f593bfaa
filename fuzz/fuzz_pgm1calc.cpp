// The calculation of "Programm 1" against any doubles, mullion and transom, with the
// deflection limits given or not. It never crashes, whatever the inputs. For inputs the
// form's checks let through (lengths > 0, given limits > 0, at least one limit, a wind
// load that read) every result is finite or the calculation reports a floating-point
// failure, the deflections are positive and the moment, section modulus and moment of
// inertia follow the sign of the wind load. Each input is also folded into the range of
// real facades (members of 1 cm to 100 m, l/1 to l/10 000, caps of 0.1 mm to 10 m, wind
// up to ±100 kN/m²): there the calculation must not report a failure at all.
//
// Input: byte 0 holds the mode (bit 0 set: transom) and which limits are given (bits 1
// to 4: mullion l/x, mullion cap, pane edge or transom l/x, pane edge or transom cap).
// Then nine doubles of 8 bytes each, little-endian, missing bytes zero: LP or H1, LS or
// H2, A or L, B, the four limits in the order above, the wind load.
#include "programs/pgm11024/pgm1calc.h"

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
using vb::pgm1::Input;
using vb::pgm1::Result;

namespace
{

struct Raw {
    bool transom;
    bool given[4];
    double v[9];
};

Raw decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<9> record = vb::fuzz::decodeRecord<9>(data, size);
    Raw raw{};
    raw.transom = record.flags & 1;
    for (int k = 0; k < 4; ++k)
        raw.given[k] = record.flags & (2 << k);
    std::copy(record.v, record.v + 9, raw.v);
    return raw;
}

Input toInput(const Raw &raw)
{
    Input in;
    in.transom = raw.transom;
    in.lp = raw.v[0];
    in.ls = raw.v[1];
    in.a = raw.v[2];
    in.b = raw.v[3];
    std::optional<double> *limits[] = {&in.memberRatio, &in.memberCapMm, &in.edgeRatio, &in.edgeCapMm};
    for (int k = 0; k < 4; ++k) {
        if (raw.given[k])
            *limits[k] = raw.v[4 + k];
    }
    in.wind = raw.v[8];
    return in;
}

// What the form's checks let through. A read number is always finite. In transom mode
// field B and the mullion limits are hidden and not read, so they may hold anything.
bool passesChecks(const Input &in)
{
    const double all[] = {in.lp, in.ls, in.a, in.transom ? 0.0 : in.b, in.wind};
    if (!std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;
    if (!(in.lp > 0 && in.ls > 0))
        return false;
    if (in.transom) {
        if (!(in.a > 0))
            return false;
    } else {
        if (!(in.a >= 0 && in.b >= 0 && (in.a > 0 || in.b > 0)))
            return false;
        if (in.ls > in.lp)
            return false; // LS may not be greater than LP
    }
    const bool memberLimits = !in.transom;
    const std::optional<double> limits[] = {memberLimits ? in.memberRatio : std::nullopt,
                                            memberLimits ? in.memberCapMm : std::nullopt, in.edgeRatio,
                                            in.edgeCapMm};
    bool any = false;
    for (const std::optional<double> &limit : limits) {
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
    in.lp = fold(raw.lp, 0.01, 100.0);
    in.ls = fold(raw.ls, 0.01, 100.0);
    if (in.transom) {
        in.a = fold(raw.a, 0.01, 100.0);
        in.memberRatio.reset();
        in.memberCapMm.reset();
    } else {
        if (in.ls > in.lp)
            std::swap(in.lp, in.ls);
        in.a = fold(raw.a, 0.0, 100.0);
        in.b = fold(raw.b, 0.0, 100.0);
        if (in.a == 0 && in.b == 0)
            in.a = 1.0;
    }
    if (in.memberRatio)
        in.memberRatio = fold(*in.memberRatio, 1.0, 10000.0);
    if (in.memberCapMm)
        in.memberCapMm = fold(*in.memberCapMm, 0.1, 10000.0);
    if (in.edgeRatio)
        in.edgeRatio = fold(*in.edgeRatio, 1.0, 10000.0);
    if (in.edgeCapMm)
        in.edgeCapMm = fold(*in.edgeCapMm, 0.1, 10000.0);
    if (!in.memberRatio && !in.memberCapMm && !in.edgeRatio && !in.edgeCapMm)
        in.edgeRatio = 300.0;
    in.wind = std::isfinite(raw.wind) ? std::copysign(fold(raw.wind, 0.0, 100.0), raw.wind) : 1.0;
    return in;
}

bool followsWind(double x, double wind)
{
    return x == 0 || (x > 0) == (wind > 0);
}

void checkChecked(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    const double results[] = {r.memberDeflection, r.edgeDeflection, r.moment, r.sectionModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);
    if (r.failure != vb::FpFailure::None)
        return;
    require(r.edgeDeflection > 0, "the governing pane-edge or transom deflection is not positive", data,
            size);
    // In transom mode the member deflection is not shown; a tall pane beside a tiny one
    // may let it vanish.
    require(in.transom || r.memberDeflection > 0, "the mullion deflection is not positive", data, size);
    require(followsWind(r.moment, in.wind) && followsWind(r.sectionModulus, in.wind) &&
                followsWind(r.inertia, in.wind),
            "M, W or I does not follow the sign of the wind load", data, size);
    if (in.transom) {
        // The hidden field B and mullion limits never count for a transom.
        Input without = in;
        without.b = 0.0;
        without.memberRatio.reset();
        without.memberCapMm.reset();
        const Result o = vb::pgm1::calculate(without);
        require(o.failure == r.failure && sameBits(o.edgeDeflection, r.edgeDeflection) &&
                    sameBits(o.moment, r.moment) && sameBits(o.sectionModulus, r.sectionModulus) &&
                    sameBits(o.inertia, r.inertia),
                "field B or a mullion limit changes a transom's results", data, size);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = toInput(decode(data, size));
    const Result r = vb::pgm1::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, data, size);

    const Input facade = toRealFacade(in);
    require(passesChecks(facade), "a folded input does not pass the checks", data, size);
    const Result rf = vb::pgm1::calculate(facade);
    require(rf.failure == vb::FpFailure::None, "a real facade member reports a floating-point failure", data,
            size);
    checkChecked(facade, rf, data, size);
    return 0;
}
