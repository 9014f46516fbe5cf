#include "study.hpp"

#include <cmath>

namespace accuracy {

namespace {

// Relative error of `value`, whose distance from the computed value is known
// exactly; the bound of a quantity that was not extrapolated holds for the
// computed value and grows by that distance.
double relative_error(double value, double computed, const convergence& c)
{
    if (c.smooth) {
        return (value - c.converged) / c.converged;
    }
    return (std::abs(value - computed) + c.error_bound) / std::abs(c.converged);
}

} // namespace

double quantity_study::printed_error() const
{
    return relative_error(printed, computed, estimate);
}

double quantity_study::step_error() const
{
    return relative_error(computed, computed, estimate);
}

} // namespace accuracy
