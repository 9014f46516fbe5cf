#include "korvane_units.hpp"

#include "physical_constants.hpp"

#include <cmath>
#include <numbers>

namespace accuracy {

namespace {

constexpr double pi = std::numbers::pi;

// The rounded c and G that reproduce 13.493 to five digits.
constexpr double round_c = 3e8;
constexpr double round_G = 6.67e-11;

} // namespace

double neutron_gas_energy_scale()
{
    const double m = si::neutron_mass;
    return std::pow(m, 4) * std::pow(si::c, 5) / (32.0 * pi * pi * std::pow(si::hbar, 3));
}

unit_system round_units()
{
    const double length = 1e4;
    const double mass = 1e30;
    // From 1.256 = 4 pi L^3 eps_u / (M_u c^2).
    const double energy_density =
        mass_coefficient * mass * round_c * round_c / (4.0 * pi * std::pow(length, 3));
    return {length, mass, energy_density};
}

unit_system neutron_units()
{
    const double c2 = si::c * si::c;
    const double energy_density = neutron_gas_energy_scale() / energy_density_coefficient;
    // M_u = L c^2 / (13.493 G) = 4 pi L^3 eps_u / (1.256 c^2) fixes L.
    const double length =
        std::sqrt(mass_coefficient * c2 * c2 /
                  (schwarzschild_coefficient * si::G * 4.0 * pi * energy_density));
    const double mass = length * c2 / (schwarzschild_coefficient * si::G);
    return {length, mass, energy_density};
}

coefficients coefficients_of(const unit_system& units)
{
    const double c2 = si::c * si::c;
    return {units.length * c2 / (si::G * units.mass),
            4.0 * pi * std::pow(units.length, 3) * units.energy_density / (units.mass * c2),
            neutron_gas_energy_scale() / units.energy_density};
}

} // namespace accuracy
