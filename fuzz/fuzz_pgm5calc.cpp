// The calculation of "Programm 5" against any doubles, with either snow rule and the
// deflection limits given or not. It never crashes, whatever the inputs. For inputs the
// form's checks let through (rafters and pane > 0, LS not longer than the longer rafter,
// field widths >= 0 and one > 0, a pitch from 0 to below 89°, given limits > 0 and at least
// one, loads >= 0) every result is finite or the calculation reports a floating-point
// failure; a loaded rafter has positive deflections, a hogging support moment and a sagging
// span moment; a rafter without load gets no result; exchanging L1 and L2 changes nothing,
// and below 25° neither does the wind. Each input is also folded into the range of real
// roofs (rafters of 10 cm to 50 m, field widths up to 20 m, l/1 to l/10 000, caps of 0.1 mm
// to 10 m, loads up to 100 kN/m²): there the calculation must not report a failure at all.
//
// Input: byte 0 holds the snow rule (bit 0 set: BS 6399-3) and which limits are given
// (bits 1 to 4: rafter l/n, rafter cap, glass edge l/n, glass-edge cap). Then thirteen
// doubles of 8 bytes each, little-endian, missing bytes zero: L1, L2, A, B, LS, pitch, the
// four limits in the order above, dead load, snow load, wind load.
#include "programs/pgm51024/pgm5calc.h"

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
using vb::pgm5::Input;
using vb::pgm5::Result;

namespace
{

Input decode(const std::uint8_t *data, std::size_t size)
{
    const vb::fuzz::Record<13> record = vb::fuzz::decodeRecord<13>(data, size);
    const double *v = record.v;
    const std::uint8_t flags = record.flags;
    Input in;
    in.snowRule = (flags & 1) ? vb::rafter::SnowRule::Bs : vb::rafter::SnowRule::Din;
    in.l1 = v[0];
    in.l2 = v[1];
    in.a = v[2];
    in.b = v[3];
    in.ls = v[4];
    in.pitch = v[5];
    std::optional<double> *limits[] = {&in.rafterRatio, &in.rafterCapMm, &in.edgeRatio, &in.edgeCapMm};
    for (int k = 0; k < 4; ++k) {
        if (flags & (2 << k))
            *limits[k] = v[6 + k];
    }
    in.dead = v[10];
    in.snow = v[11];
    in.wind = v[12];
    return in;
}

// What the form's checks let through. A read number is always finite.
bool passesChecks(const Input &in)
{
    const double all[] = {in.l1, in.l2, in.a, in.b, in.ls, in.pitch, in.dead, in.snow, in.wind};
    if (!std::all_of(std::begin(all), std::end(all), [](double v) { return std::isfinite(v); }))
        return false;
    if (!(in.l1 > 0 && in.l2 > 0 && in.ls > 0 && in.ls <= std::max(in.l1, in.l2)))
        return false;
    if (!(in.a >= 0 && in.b >= 0 && (in.a > 0 || in.b > 0)))
        return false;
    if (!(in.pitch >= 0 && in.pitch < vb::rafter::kSteepestPitch))
        return false;
    if (!(in.dead >= 0 && in.snow >= 0 && in.wind >= 0))
        return false;
    bool any = false;
    for (const std::optional<double> &limit : {in.rafterRatio, in.rafterCapMm, in.edgeRatio, in.edgeCapMm}) {
        if (limit && !(std::isfinite(*limit) && *limit > 0))
            return false; // the form would ignore it; the input here is not the form's
        any = any || limit.has_value();
    }
    return any;
}

// x folded into [lo, hi): deterministic, so a crash input reproduces.
Input toRealRoof(const Input &raw)
{
    Input in = raw;
    in.l1 = fold(raw.l1, 0.1, 50.0);
    in.l2 = fold(raw.l2, 0.1, 50.0);
    in.ls = std::min(fold(raw.ls, 0.1, 50.0), std::max(in.l1, in.l2));
    in.a = fold(raw.a, 0.0, 20.0);
    in.b = fold(raw.b, 0.0, 20.0);
    if (in.a == 0 && in.b == 0)
        in.a = 1.0;
    in.pitch = fold(raw.pitch, 0.0, 88.99);
    if (in.rafterRatio)
        in.rafterRatio = fold(*in.rafterRatio, 1.0, 10000.0);
    if (in.rafterCapMm)
        in.rafterCapMm = fold(*in.rafterCapMm, 0.1, 10000.0);
    if (in.edgeRatio)
        in.edgeRatio = fold(*in.edgeRatio, 1.0, 10000.0);
    if (in.edgeCapMm)
        in.edgeCapMm = fold(*in.edgeCapMm, 0.1, 10000.0);
    if (!in.rafterRatio && !in.rafterCapMm && !in.edgeRatio && !in.edgeCapMm)
        in.rafterRatio = 200.0;
    in.dead = fold(raw.dead, 0.0, 100.0);
    in.snow = fold(raw.snow, 0.0, 100.0);
    in.wind = fold(raw.wind, 0.0, 100.0);
    return in;
}

bool same(const Result &a, const Result &b)
{
    return a.failure == b.failure && a.loaded == b.loaded &&
           sameBits(a.rafterDeflection, b.rafterDeflection) && sameBits(a.edgeDeflection, b.edgeDeflection) &&
           sameBits(a.spanMoment, b.spanMoment) && sameBits(a.supportMoment, b.supportMoment) &&
           sameBits(a.spanModulus, b.spanModulus) && sameBits(a.supportModulus, b.supportModulus) &&
           sameBits(a.inertia, b.inertia);
}

void checkChecked(const Input &in, const Result &r, const std::uint8_t *data, std::size_t size)
{
    const double results[] = {r.rafterDeflection, r.edgeDeflection, r.spanMoment, r.supportMoment,
                              r.spanModulus,      r.supportModulus, r.inertia};
    const bool finite =
        std::all_of(std::begin(results), std::end(results), [](double v) { return std::isfinite(v); });
    require(finite || r.failure != vb::FpFailure::None, "an infinite or undefined result without a failure",
            data, size);

    Input swapped = in;
    std::swap(swapped.l1, swapped.l2);
    require(same(vb::pgm5::calculate(swapped), r), "exchanging L1 and L2 changes the results", data, size);
    if (in.pitch < vb::rafter::kWindFromPitch) {
        Input calm = in;
        calm.wind = 0.0;
        require(same(vb::pgm5::calculate(calm), r), "the wind counts below 25 degrees", data, size);
    }
    if (r.failure != vb::FpFailure::None)
        return;
    if (in.dead == 0 && in.snow == 0 && (in.wind == 0 || in.pitch < vb::rafter::kWindFromPitch))
        require(!r.loaded, "a rafter without load gets a result", data, size);
    if (!r.loaded) {
        require(std::all_of(std::begin(results), std::end(results), [](double v) { return v == 0; }),
                "a rafter without result carries values", data, size);
        return;
    }
    require(r.rafterDeflection > 0 && r.edgeDeflection > 0, "a deflection is not positive", data, size);
    require(r.supportMoment <= 0 && r.spanMoment >= 0, "the support moment sags or the span moment hogs",
            data, size);
    require(r.spanModulus >= 0 && r.supportModulus >= 0 && r.inertia >= 0, "a magnitude is negative", data,
            size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const Result r = vb::pgm5::calculate(in);
    require(knownFailure(r.failure), "an unknown failure", data, size);
    if (passesChecks(in))
        checkChecked(in, r, data, size);

    const Input roof = toRealRoof(in);
    require(passesChecks(roof), "a folded input does not pass the checks", data, size);
    const Result rr = vb::pgm5::calculate(roof);
    require(rr.failure == vb::FpFailure::None, "a real roof rafter reports a floating-point failure", data,
            size);
    checkChecked(roof, rr, data, size);
    return 0;
}
