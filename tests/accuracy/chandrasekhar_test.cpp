#include "chandrasekhar.hpp"
#include "convergence.hpp"
#include "model.hpp"
#include "physical_constants.hpp"
#include "sweep.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace accuracy;

TEST(LaneEmden, PolytropeOfIndexThree)
{
    // Chandrasekhar (1939): xi_1 = 6.89685, omega_3 = 2.01824.
    const lane_emden_surface surface = lane_emden_n3(1e-3);
    EXPECT_NEAR(surface.xi, 6.89685, 1e-5);
    EXPECT_NEAR(surface.omega, 2.01824, 1e-5);
}

TEST(Chandrasekhar, LimitForMirettasElectrons)
{
    const double m_ch = chandrasekhar_mass(2.01824);
    // The same limit from CODATA 2018's constants and full-precision pi:
    // miretta's 2014 constants and eight-digit pi move it by less than 1e-4.
    const double hbar_c_over_G = si::hbar * si::c / si::G;
    const double mass_per_electron = 2.15 * 1.66053906660e-27; // CODATA 2018 m_u
    const double codata = std::sqrt(3.0 * std::numbers::pi) / 2.0 * 2.01824 *
                          std::pow(hbar_c_over_G, 1.5) / (mass_per_electron * mass_per_electron);
    EXPECT_NEAR(m_ch / codata, 1.0, 1e-4);
    // The textbook 5.83 / mu_e^2 solar masses, to its three digits.
    EXPECT_NEAR(m_ch / si::solar_mass, 5.83 / (2.15 * 2.15), 0.005 / (2.15 * 2.15));
}

TEST(Chandrasekhar, DensestWhiteDwarfConvergesJustBelowTheLimit)
{
    // Line 100 of the table (5.6e18 kg/m^3), again with shells of 100 m down
    // to 100/2^8 m, extrapolated.
    std::vector<double> mass;
    for (int k = 0; k <= 8; ++k) {
        mass.push_back(
            miretta::integrate_model(miretta::sweep_density(99), std::ldexp(100.0, -k)).M);
    }
    const convergence c = analyse(mass, 0, 0.0);
    ASSERT_TRUE(c.smooth);
    const double m_ch = chandrasekhar_mass(lane_emden_n3(1e-3).omega);
    // Below the limit, as far as the extrapolation's uncertainty allows ...
    EXPECT_LT(c.converged, m_ch + c.uncertainty);
    // ... and close to it: the electrons at the centre are ultra-relativistic
    // (x ~ 1400), where the limit is approached; the 100 m table is 5.5 % low.
    EXPECT_GT(c.converged, m_ch * (1.0 - 1e-4));
    EXPECT_LT(mass[0], m_ch * (1.0 - 0.05));
}

} // namespace
