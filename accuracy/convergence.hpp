#pragma once

// What a ladder of steps says about the error of a computed quantity.
//
// A quantity Q computed with steps s, s/2, s/4, ... converges at order p when
// Q(s) = Q* + C s^p + (higher orders): the differences of successive values
// then shrink by 2^p, and Richardson extrapolation,
//
//   Q* ~ Q(s/2) + (Q(s/2) - Q(s)) / (2^p - 1),
//
// removes the leading error. Where the ratios of the differences wander (a
// surface radius that jumps by a step, or differences drowned in rounding)
// the quantity does not converge smoothly and gets no extrapolation: its
// error is bounded from the finer steps instead.

#include <cstddef>
#include <span>

namespace accuracy {

// The order observed on three values with steps s, s/2 and s/4: the base-2
// logarithm of the ratio of successive differences. NaN where the
// differences are zero or change sign.
double observed_order(double coarse, double middle, double fine);

struct convergence {
    bool smooth;        // converged by extrapolation; otherwise bounded
    double order;       // observed order used to extrapolate (NaN if not smooth)
    double converged;   // the extrapolated value, or the finest step's value
    double uncertainty; // smooth: how far the next coarser extrapolation lies
    double error_bound; // not smooth: bound on |Q(at) - Q*|
};

// `values` come from steps that halve from one entry to the next, coarsest
// first; `at` is the entry whose error is wanted. The quantity counts as
// smooth where three successive observed orders agree within 0.1 (and are
// above 0.5); the finest such run is extrapolated. A quantity resolved only
// to the step (a surface radius: `resolution`, the finest step, above zero)
// is never extrapolated. Where there is no extrapolation the bound is the
// largest change from Q(at) to any finer value, plus the finest value's own
// error: twice the larger of the last two changes (a first-order sequence
// is still its last change away from its limit), and at least `resolution`.
convergence analyse(std::span<const double> values, std::size_t at, double resolution);

} // namespace accuracy
