# Mass-radius relation of the relativistic degenerate-star sequence, in
# physical units, with the program's dimensionless units on the opposite axes.
# Variables: table (the korvane table), output (file), png (1: PNG, 0: SVG);
# from the accuracy study's validation.txt: length_unit (km), mass_unit
# (solar masses), density_unit (kg/m^3), and the maximum of the converged
# sequence with t_c varied continuously: true_max_mass (solar masses),
# true_max_radius (km), true_max_density (kg/m^3).
# Columns of the table: log10 of the central density, -ln R, M.

if (png) { set terminal pngcairo size 800,480 enhanced font "DejaVu Sans,10" } \
else { set terminal svg size 800,480 enhanced font "DejaVu Sans,10" }
set output output
set datafile separator "\t"

# Oppenheimer and Volkoff (1939), Phys. Rev. 55, 374: the largest mass of a
# cold star of free neutrons, about 0.71 solar masses.
published_limit = 0.71

radius_km(column2) = exp(-column2) * length_unit
mass_msun(m) = m * mass_unit
log10_density_kg(log10_rho) = log10_rho + log10(density_unit)

# The table's heaviest model: its row, mass and central density. (stats
# clears every variable that starts with its name's prefix, so these names
# must not be those of the units above.)
stats table using 3 name "heaviest_mass" nooutput
row = heaviest_mass_index_max
stats table every ::row::row using 1 name "heaviest_density" nooutput
stats table every ::row::row using (exp(-$2)) name "heaviest_radius" nooutput
max_mass = heaviest_mass_max
max_density = heaviest_density_max
max_radius = heaviest_radius_max

set multiplot layout 1,2 title "Relativistic degenerate stars (korvane): 21 models; physical units below and left, program units above and right" \
    font ",10" margins 0.09, 0.92, 0.12, 0.84 spacing 0.1
set grid
set key bottom right font ",9"
set ytics nomirror
set xtics nomirror
set yrange [0.3:0.76]
set y2tics 0.1 format "%.1f"
set x2tics
set link y2 via y / mass_unit inverse y * mass_unit

set xlabel "radius R (km)"
set x2label "R (program units of 10 km)"
# The two panels share the mass axes: physical on the far left, program
# units on the far right.
set ylabel "mass M (M_{sun})"
set link x2 via x / length_unit inverse x * length_unit
set label 1 sprintf("table maximum M = %.6f\nconverged maximum %.4f M_{sun} at %.2f km", \
    max_mass, true_max_mass, true_max_radius) at (max_radius * length_unit), mass_msun(max_mass) \
    offset 1,-1.5 font ",9"
plot table using (radius_km($2)):(mass_msun($3)) with linespoints pointtype 7 pointsize 0.6 title "models", \
     "+" using (max_radius * length_unit):(mass_msun(max_mass)) every ::0::0 with points pointtype 6 \
         pointsize 2.5 linecolor "red" title "table maximum", \
     "+" using (true_max_radius):(true_max_mass) every ::0::0 with points pointtype 3 pointsize 2 \
         linecolor "dark-green" title "converged maximum", \
     published_limit with lines dashtype 2 linecolor "black" title "Oppenheimer-Volkoff 1939: 0.71 M_{sun}"
unset label 1
unset link x2

unset ylabel
set y2label "M (program units)"
set xlabel "log_{10} central density {/Symbol r}_c (kg/m^3: energy density / c^2)"
set x2label "log_{10} {/Symbol r}_c (program units)"
set link x2 via x - log10(density_unit) inverse x + log10(density_unit)
set format x "%.1f"
set format x2 "%.1f"
set label 2 sprintf("table maximum M = %.6f\nat log_{10} {/Symbol r}_c = %.1f", max_mass, max_density) \
    at log10_density_kg(max_density), mass_msun(max_mass) right offset -1.5,-1 font ",9"
plot table using (log10_density_kg($1)):(mass_msun($3)) with linespoints pointtype 7 pointsize 0.6 title "models", \
     "+" using (log10_density_kg(max_density)):(mass_msun(max_mass)) every ::0::0 with points pointtype 6 \
         pointsize 2.5 linecolor "red" title "table maximum", \
     "+" using (log10(true_max_density)):(true_max_mass) every ::0::0 with points pointtype 3 pointsize 2 \
         linecolor "dark-green" title "converged maximum", \
     published_limit with lines dashtype 2 linecolor "black" title "Oppenheimer-Volkoff 1939"
unset multiplot
