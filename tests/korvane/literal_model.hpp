#pragma once

// A model integrated the plain way: one step after another, each of tpred,
// mpred, tcor and mcor evaluating the equation of state on its own. The
// integration of the program must equal it bit for bit.

#include "midpoint_step.hpp"
#include "model.hpp"

namespace korvane_test {

inline korvane::model literal_model(double rho_c, double h)
{
    korvane::model s = korvane::centred_model(rho_c, h);
    for (;;) {
        s.r = s.steps == 0 ? 0.5 * h : static_cast<double>(s.steps) * h;
        const double tp = korvane::tpred(s.r, s.t, s.m, h);
        const double mp = korvane::mpred(s.r, s.t, s.m, h);
        if (tp <= 0.0) {
            s.t = tp;
            s.m = mp;
            s.ended = s.ended_by_predictor = true;
            return s;
        }
        s.r = 0.5 * h + s.r;
        s.t = korvane::tcor(s.r, s.t, tp, mp, h);
        s.m = korvane::mcor(s.r, tp, s.m, h);
        ++s.steps;
        if (!(s.t > 0.0)) {
            s.ended = true;
            return s;
        }
    }
}

} // namespace korvane_test
