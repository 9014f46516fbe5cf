#pragma once

#include "study.hpp"
#include "table.hpp"

namespace accuracy {

// The white-dwarf sequence again with shells of 100 m, 50 m, ... down to
// 100/2^6 m, on every core. `printed` is the table the program wrote.
scheme_study study_miretta(const table& printed);

} // namespace accuracy
