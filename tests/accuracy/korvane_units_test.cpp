#include "korvane_maximum.hpp"
#include "korvane_units.hpp"
#include "physical_constants.hpp"

#include <gtest/gtest.h>

namespace {

using namespace accuracy;

// The coefficients carry 3 to 5 digits and were formed with c = 3e8 m/s and
// G = 6.67e-11 (0.14 % and 0.06 % from CODATA): 0.3 % is what they allow.
TEST(KorvaneUnits, RoundUnitsReproduceTheCoefficients)
{
    const unit_system round = round_units();
    EXPECT_DOUBLE_EQ(round.length, 1e4);
    EXPECT_DOUBLE_EQ(round.mass, 1e30);
    // About 1e17 kg/m^3 times c^2.
    EXPECT_NEAR(round.energy_density / (si::c * si::c), 1e17, 0.003e17);
    const coefficients c = coefficients_of(round);
    EXPECT_NEAR(c.schwarzschild, schwarzschild_coefficient, 0.003 * schwarzschild_coefficient);
    EXPECT_NEAR(c.mass, mass_coefficient, 0.003 * mass_coefficient);
    // K / eps_u for a gas of neutrons.
    EXPECT_NEAR(c.energy_density, energy_density_coefficient, 0.003 * energy_density_coefficient);
}

TEST(KorvaneUnits, NeutronReadingLiesWithinHalfAPercentOfTheRoundUnits)
{
    const unit_system round = round_units();
    const unit_system neutron = neutron_units();
    EXPECT_NEAR(neutron.length / round.length, 1.0, 0.005);
    EXPECT_NEAR(neutron.mass / round.mass, 1.0, 0.005);
    EXPECT_NEAR(neutron.energy_density / round.energy_density, 1.0, 0.005);
    // The neutron reading reproduces all three coefficients exactly.
    const coefficients c = coefficients_of(neutron);
    EXPECT_NEAR(c.schwarzschild, schwarzschild_coefficient, 1e-12 * schwarzschild_coefficient);
    EXPECT_NEAR(c.mass, mass_coefficient, 1e-12 * mass_coefficient);
    EXPECT_NEAR(c.energy_density, energy_density_coefficient, 1e-12 * energy_density_coefficient);
}

TEST(KorvaneMaximum, ReproducesTheFreeNeutronStarLimit)
{
    // A coarse step (mass error about 1e-8, radius 1e-5) keeps this fast.
    const sequence_point top = maximum_mass(2.6, 3.4, 1e-5, 1e-3);
    // Above the table's largest mass (line 17, 1.415857, from the grid of
    // densities) and between the grid's lines 17 and 18 in t_c.
    EXPECT_GT(top.mass, 1.415857);
    EXPECT_LT(top.mass, 1.4165);
    EXPECT_GT(top.t_c, 2.995);
    EXPECT_LT(top.t_c, 3.176);
    // Oppenheimer and Volkoff (1939): about 0.71 solar masses, radius about
    // 9 km; the coefficients' 3 to 4 digits allow about half a percent.
    EXPECT_NEAR(top.mass * round_units().mass / si::solar_mass, 0.71, 0.01);
    EXPECT_NEAR(top.radius * round_units().length / 1e3, 9.2, 0.3);
}

} // namespace
