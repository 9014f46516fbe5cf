# Mass-radius relation of the Newtonian white-dwarf sequence: the program's
# 100 m table, the sequence converged in the step (from the accuracy study),
# and the Chandrasekhar limit.
# Variables: table (the miretta table), study (miretta-accuracy.tsv), output
# (file), png (1: PNG, 0: SVG); from validation.txt: solar_mass (kg),
# chandrasekhar (M_Ch, kg).
# Columns of the table: final density, M in kg, R in m. Line k (from 1) has
# central density 1e8 e^((k-1)/4) kg/m^3; gnuplot's column 0 is k - 1.
# Columns of the study used here: 4, the converged mass (kg); 10, the radius
# at the finest step (m). Its first line is a header.

if (png) { set terminal pngcairo size 800,480 enhanced font "DejaVu Sans,10" } \
else { set terminal svg size 800,480 enhanced font "DejaVu Sans,10" }
set output output
# The table separates by commas, the study by tabs.
set datafile separator ",\t"

central_density(row) = 1e8 * exp(row / 4.0)
limit = chandrasekhar / solar_mass

stats table using 2 name "mass" nooutput
max_mass = mass_max / solar_mass
max_density = central_density(mass_index_max)
stats table every ::mass_index_max::mass_index_max using ($3 / 1000) name "radius" nooutput
max_radius = radius_max

set multiplot layout 1,2 title "Newtonian white dwarfs (miretta): the 100 m table and the converged sequence" \
    margins 0.09, 0.98, 0.2, 0.86 spacing 0.1
set grid
set key bottom left font ",9"

set title "Mass against radius"
set xlabel "radius R (km)"
set ylabel "mass M (M_{sun})"
set logscale x
set format x "10^{%T}"
set label 1 sprintf("maximum M = %.5f M_{sun}", max_mass) at max_radius, max_mass center offset 0,-2 font ",9"
plot table using ($3 / 1000):($2 / solar_mass) with linespoints pointtype 7 pointsize 0.4 title "100 m table", \
     study every ::1 using ($10 / 1000):($4 / solar_mass) with lines linewidth 2 linecolor "dark-green" \
         title "converged in the step", \
     "+" using (max_radius):(max_mass) every ::0::0 with points pointtype 6 pointsize 2.5 linecolor "red" \
         title "table maximum", \
     limit with lines dashtype 2 linecolor "black" title sprintf("Chandrasekhar M_{Ch} = %.4f M_{sun}", limit)
unset label 1

set title "Mass against central density"
set xlabel "central density {/Symbol r}_c (kg/m^3)"
set ylabel "mass M (M_{sun})"
set key bottom right
set label 2 sprintf("maximum M = %.5f M_{sun}\nat {/Symbol r}_c = %.3g kg/m^3", max_mass, max_density) \
    at max_density, max_mass center offset 0,-3 font ",9"
set label 3 "{/Symbol r}_c of line k recovered as 10^8 e^{(k-1)/4} kg/m^3 (the table holds the final density)" \
    at screen 0.5, screen 0.03 center font ",9"
plot table using (central_density($0)):($2 / solar_mass) with linespoints pointtype 7 pointsize 0.4 \
         title "100 m table", \
     study every ::1 using (central_density($1 - 1)):($4 / solar_mass) with lines linewidth 2 \
         linecolor "dark-green" title "converged in the step", \
     "+" using (max_density):(max_mass) every ::0::0 with points pointtype 6 pointsize 2.5 linecolor "red" \
         title "table maximum", \
     limit with lines dashtype 2 linecolor "black" title "M_{Ch}"
unset multiplot
