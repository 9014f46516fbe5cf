#include "validation.hpp"

#include "chandrasekhar.hpp"
#include "korvane_maximum.hpp"
#include "korvane_units.hpp"
#include "physical_constants.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace accuracy {

namespace {

// A radial step at which the masses near the maximum are converged to about
// 1e-9 (second order, from the accuracy study) and the radius to 2e-6.
constexpr double converged_step = 2e-6;

class value_file {
  public:
    explicit value_file(const std::filesystem::path& file) : out_(file) {}

    void add(const char* name, double value)
    {
        char text[64];
        (void)std::snprintf(text, sizeof text, "%.10g", value);
        out_ << name << " = " << text << '\n';
    }

    void close(const std::filesystem::path& file)
    {
        out_.close();
        if (!out_) {
            throw std::runtime_error(file.string() + ": cannot be written");
        }
    }

  private:
    std::ofstream out_;
};

} // namespace

void write_validation(const table& korvane_table, const scheme_study& miretta,
                      const std::filesystem::path& file, std::ostream& out)
{
    const unit_system round = round_units();
    const unit_system neutron = neutron_units();
    const coefficients check = coefficients_of(round);
    const double km = 1e3;
    const double c2 = si::c * si::c;

    // The table's largest mass, column 3, with its radius from column 2.
    const auto heaviest = std::max_element(
        korvane_table.begin(), korvane_table.end(),
        [](const auto& a, const auto& b) { return std::stod(a[2]) < std::stod(b[2]); });
    const double table_mass = std::stod((*heaviest)[2]);
    const double table_radius = std::exp(-std::stod((*heaviest)[1]));

    const sequence_point top = maximum_mass(2.6, 3.4, converged_step, 1e-4);

    const lane_emden_surface lane_emden = lane_emden_n3(1e-4);
    const double m_ch = chandrasekhar_mass(lane_emden.omega);
    const line_study& densest = miretta.lines.back();

    value_file values(file);
    values.add("solar_mass_kg", si::solar_mass);
    values.add("korvane_length_unit_km", round.length / km);
    values.add("korvane_mass_unit_kg", round.mass);
    values.add("korvane_mass_unit_msun", round.mass / si::solar_mass);
    values.add("korvane_energy_density_unit_J_m3", round.energy_density);
    values.add("korvane_density_unit_kg_m3", round.energy_density / c2);
    values.add("korvane_coefficient_13493_codata", check.schwarzschild);
    values.add("korvane_coefficient_1256_codata", check.mass);
    values.add("korvane_coefficient_571_neutrons", check.energy_density);
    values.add("korvane_neutron_length_unit_km", neutron.length / km);
    values.add("korvane_neutron_mass_unit_kg", neutron.mass);
    values.add("korvane_neutron_energy_density_unit_J_m3", neutron.energy_density);
    values.add("korvane_table_max_line", static_cast<double>(heaviest - korvane_table.begin() + 1));
    values.add("korvane_table_max_mass", table_mass);
    values.add("korvane_table_max_mass_msun", table_mass * round.mass / si::solar_mass);
    values.add("korvane_table_max_radius_km", table_radius * round.length / km);
    values.add("korvane_true_max_t_c", top.t_c);
    values.add("korvane_true_max_rho_c", top.rho_c);
    values.add("korvane_true_max_rho_c_kg_m3", top.rho_c * round.energy_density / c2);
    values.add("korvane_true_max_mass", top.mass);
    values.add("korvane_true_max_mass_msun", top.mass * round.mass / si::solar_mass);
    values.add("korvane_true_max_radius", top.radius);
    values.add("korvane_true_max_radius_km", top.radius * round.length / km);
    values.add("lane_emden_n3_xi1", lane_emden.xi);
    values.add("lane_emden_n3_omega3", lane_emden.omega);
    values.add("chandrasekhar_mass_kg", m_ch);
    values.add("chandrasekhar_mass_msun", m_ch / si::solar_mass);
    values.add("miretta_densest_converged_mass_kg", densest.mass.estimate.converged);
    values.add("miretta_densest_converged_mass_uncertainty_kg", densest.mass.estimate.uncertainty);
    values.add("miretta_densest_table_mass_kg", densest.mass.printed);
    values.add("miretta_densest_converged_below_chandrasekhar",
               (m_ch - densest.mass.estimate.converged) / m_ch);
    values.add("miretta_densest_table_below_chandrasekhar", (m_ch - densest.mass.printed) / m_ch);
    values.close(file);

    char line[320];
    (void)std::snprintf(
        line, sizeof line,
        "validation: korvane's units L = %.4g km, M_u = %.4g M_sun; its largest mass "
        "%.4f M_sun at %.3g km (t_c = %.4f), the table's %.4f M_sun\n",
        round.length / km, round.mass / si::solar_mass, top.mass * round.mass / si::solar_mass,
        top.radius * round.length / km, top.t_c, table_mass * round.mass / si::solar_mass);
    out << line;
    (void)std::snprintf(line, sizeof line,
                        "validation: M_Ch = %.6g kg (omega_3 = %.6f); the densest white dwarf "
                        "converged %.3g below it, the 100 m table %.3g below\n",
                        m_ch, lane_emden.omega, (m_ch - densest.mass.estimate.converged) / m_ch,
                        (m_ch - densest.mass.printed) / m_ch);
    out << line;
}

} // namespace accuracy
