#!/usr/bin/env bash
# The figures: drawn from the real tables and accuracy study, with the
# largest mass and the limits marked; a missing or malformed input stops the
# plot with one line and no figure.
# Arguments: the korvane, miretta and accuracy executables and the plot script.
set -uo pipefail
korvane="$1"
miretta="$2"
accuracy="$3"
plot="$4"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# Real tables, from the programs.
mkdir -p "$scratch/results"
(cd "$scratch/results" && "$korvane" && "$miretta") || fail "the programs did not run"
"$accuracy" "$scratch/results" >/dev/null || fail "the accuracy study did not run"

# PNG figures, 800 pixels wide.
"$plot" "$scratch/results" "$scratch/png" png || fail "plot of the real tables failed"
for figure in relativistic-sequence white-dwarf-sequence; do
    file="$scratch/png/$figure.png"
    if [ "$(head -c 8 "$file" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        fail "$figure.png is not a PNG"
        continue
    fi
    width=$(od -An -tu1 -j16 -N4 "$file" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    [ "$width" = 800 ] || fail "$figure.png is $width pixels wide, not 800"
done

# The marked maximum is the largest mass of each table.
"$plot" "$scratch/results" "$scratch/svg" svg || fail "SVG plot of the real tables failed"
largest=$(awk -F '\t' '$3 > max { max = $3; text = $3 } END { print text }' "$scratch/results/data2.xlsx")
grep -q "maximum M = $largest<" "$scratch/svg/relativistic-sequence.svg" ||
    fail "relativistic figure does not mark the largest mass $largest"
value() { awk -v name="$1" '$1 == name { print $3 }' "$scratch/results/validation.txt"; }
solar_mass=$(value solar_mass_kg)
largest=$(awk -F ',' -v sun="$solar_mass" '$2 > max { max = $2 } END { printf "%.5f", max / sun }' "$scratch/results/data.txt")
grep -q "maximum M = $largest M<" "$scratch/svg/white-dwarf-sequence.svg" ||
    fail "white-dwarf figure does not mark the largest mass $largest"
# The limits: the converged maximum of the relativistic sequence, and M_Ch.
converged=$(printf '%.4f' "$(value korvane_true_max_mass_msun)")
grep -q "converged maximum $converged M" "$scratch/svg/relativistic-sequence.svg" ||
    fail "relativistic figure does not mark the converged maximum $converged"
limit=$(awk -v m="$(value chandrasekhar_mass_kg)" -v sun="$solar_mass" 'BEGIN { printf "%.4f", m / sun }')
grep -q "= $limit M" "$scratch/svg/white-dwarf-sequence.svg" ||
    fail "white-dwarf figure does not mark the Chandrasekhar mass $limit"

# expect_refusal NAME: the plot of $scratch/NAME fails with one line on
# standard error naming the table, and draws nothing.
expect_refusal() {
    local errors
    if errors=$("$plot" "$scratch/$1" "$scratch/$1-figures" png 2>&1 >/dev/null); then
        fail "$1: plot succeeded"
    fi
    [ "$(printf '%s\n' "$errors" | wc -l)" = 1 ] || fail "$1: not one line: $errors"
    [[ "$errors" == plot:\ $scratch/$1/data* || "$errors" == plot:\ $scratch/$1/validation.txt* ]] ||
        fail "$1: does not name the input: $errors"
    [ ! -e "$scratch/$1-figures" ] || fail "$1: figures were drawn"
}

# copy_results NAME: the real inputs in $scratch/NAME.
copy_results() {
    mkdir -p "$scratch/$1"
    cp "$scratch/results/"* "$scratch/$1/"
}

copy_results missing
rm "$scratch/missing/data.txt"
expect_refusal missing

copy_results no-study
rm "$scratch/no-study/validation.txt"
expect_refusal no-study

mkdir -p "$scratch/short"
cp "$scratch/results/data.txt" "$scratch/short/"
head -n 20 "$scratch/results/data2.xlsx" >"$scratch/short/data2.xlsx"
expect_refusal short

mkdir -p "$scratch/not-numbers"
cp "$scratch/results/data2.xlsx" "$scratch/not-numbers/"
sed '7s/.*/-nan,2.4e+30,17500/' "$scratch/results/data.txt" >"$scratch/not-numbers/data.txt"
expect_refusal not-numbers

mkdir -p "$scratch/two-columns"
cp "$scratch/results/data.txt" "$scratch/two-columns/"
cut -f1,3 "$scratch/results/data2.xlsx" >"$scratch/two-columns/data2.xlsx"
expect_refusal two-columns

[ "$failures" = 0 ] && echo "plot figures: all checks passed"
exit $((failures > 0))
