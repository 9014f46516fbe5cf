#include "convergence.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace accuracy {

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double order_agreement = 0.1;
constexpr double lowest_order = 0.5;

double extrapolate(double middle, double fine, double order)
{
    return fine + (fine - middle) / (std::exp2(order) - 1.0);
}

bool agree(std::span<const double> orders)
{
    const auto [low, high] = std::minmax_element(orders.begin(), orders.end());
    return std::isfinite(*low) && std::isfinite(*high) && *low > lowest_order &&
           *high - *low <= order_agreement;
}

} // namespace

double observed_order(double coarse, double middle, double fine)
{
    const double ratio = (coarse - middle) / (middle - fine);
    return ratio > 0.0 && std::isfinite(ratio) ? std::log2(ratio) : nan;
}

convergence analyse(std::span<const double> values, std::size_t at, double resolution)
{
    const std::size_t n = values.size();
    if (resolution == 0.0) {
        std::vector<double> orders;
        for (std::size_t i = 0; i + 2 < n; ++i) {
            orders.push_back(observed_order(values[i], values[i + 1], values[i + 2]));
        }
        for (std::size_t i = orders.size(); i-- > 2;) {
            if (agree(std::span(orders).subspan(i - 2, 3))) {
                const double converged = extrapolate(values[i + 1], values[i + 2], orders[i]);
                const double coarser = extrapolate(values[i], values[i + 1], orders[i - 1]);
                return {true, orders[i], converged, std::abs(converged - coarser), nan};
            }
        }
    }
    double spread = 0.0;
    for (std::size_t j = at + 1; j < n; ++j) {
        spread = std::max(spread, std::abs(values[at] - values[j]));
    }
    double last_change = 0.0;
    for (std::size_t j = n >= 3 ? n - 3 : 0; j + 1 < n; ++j) {
        last_change = std::max(last_change, std::abs(values[j + 1] - values[j]));
    }
    return {false, nan, values[n - 1], nan, spread + std::max(2.0 * last_change, resolution)};
}

} // namespace accuracy
