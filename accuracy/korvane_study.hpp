#pragma once

#include "study.hpp"
#include "table.hpp"

namespace accuracy {

// The relativistic sequence again, each model with its own step h (1e-6
// rho_c^(-1/3)) and with h times 2^7, 2^6, ..., 2^-2, on every core. The
// midpoint rule's error at the program's own step lies below the rounding of
// the sums, so its order shows at the coarser steps; the finer ones bound
// the radius. `printed` is the table the program wrote.
scheme_study study_korvane(const table& printed);

} // namespace accuracy
