#pragma once

#include "study.hpp"

#include <filesystem>
#include <ostream>

namespace accuracy {

// The study as a tab-separated table: a header naming the columns, then one
// line per table line. For each of mass and radius: the printed value, the
// value the program computes, the converged estimate, the relative errors of
// the printed and of the computed value, and how the error was found
// ("extrapolated", with the observed order, or "bounded").
void write_table(const scheme_study& study, const std::filesystem::path& file);

// A few lines: the observed order of the scheme, and the largest error of
// each column with the line where it occurs.
void write_summary(const scheme_study& study, std::ostream& out);

} // namespace accuracy
