// accuracy: how far each printed number of the two tables lies from the
// solution of its equations. Every model of both tables is integrated again
// with a ladder of steps; where a quantity converges smoothly its observed
// order gives a Richardson extrapolation, elsewhere finer steps bound its
// error. Usage: accuracy [RESULTS]; reads the tables in RESULTS (default
// "results") and writes korvane-accuracy.tsv, miretta-accuracy.tsv and
// validation.txt (the sequences in physical units, against the classic
// limits) there.

#include "korvane_study.hpp"
#include "miretta_study.hpp"
#include "report.hpp"
#include "table.hpp"
#include "validation.hpp"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    const std::filesystem::path results = argc > 1 ? argv[1] : "results";
    try {
        const accuracy::table korvane_table = accuracy::read_table(results / "data2.xlsx", '\t', 3);
        const accuracy::table miretta_table = accuracy::read_table(results / "data.txt", ',', 3);

        const accuracy::scheme_study korvane = accuracy::study_korvane(korvane_table);
        accuracy::write_table(korvane, results / "korvane-accuracy.tsv");
        const accuracy::scheme_study miretta = accuracy::study_miretta(miretta_table);
        accuracy::write_table(miretta, results / "miretta-accuracy.tsv");

        accuracy::write_summary(korvane, std::cout);
        accuracy::write_summary(miretta, std::cout);
        accuracy::write_validation(korvane_table, miretta, results / "validation.txt", std::cout);
    } catch (const std::exception& error) {
        (void)std::fprintf(stderr, "accuracy: %s\n", error.what());
        return 1;
    }
    return 0;
}
