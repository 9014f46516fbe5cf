#pragma once

// The sequences in physical units, against the classic limits: the maximum
// mass of a cold free-neutron star and the Chandrasekhar mass.

#include "study.hpp"
#include "table.hpp"

#include <filesystem>
#include <ostream>

namespace accuracy {

// Writes `file` as "name = value" lines and a short summary to `out`.
// `korvane_table` is the program's table; `miretta` the accuracy study of
// the white dwarfs, whose last line is the densest.
void write_validation(const table& korvane_table, const scheme_study& miretta,
                      const std::filesystem::path& file, std::ostream& out);

} // namespace accuracy
