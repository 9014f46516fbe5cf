# Mass-radius relation of the relativistic degenerate-star sequence.
# Variables: table (the korvane table), output (file), png (1: PNG, 0: SVG).
# Columns of the table: log10 of the central density, -ln R, M.

if (png) { set terminal pngcairo size 800,440 enhanced font "DejaVu Sans,10" } \
else { set terminal svg size 800,440 enhanced font "DejaVu Sans,10" }
set output output
set datafile separator "\t"

# The maximum-mass model: its row, mass and central density.
stats table using 3 name "mass" nooutput
stats table every ::mass_index_max::mass_index_max using 1 name "density" nooutput
max_mass = mass_max
max_density = density_max
stats table every ::mass_index_max::mass_index_max using (exp(-$2)) name "radius" nooutput
max_radius = radius_max

set multiplot layout 1,2 title "Relativistic degenerate stars (korvane): 21 models, central density 1 to 100" \
    margins 0.09, 0.98, 0.13, 0.86 spacing 0.1
set grid
set key bottom right

set title "Mass against radius"
set xlabel "radius R (dimensionless units)"
set ylabel "mass M (dimensionless units)"
set label 1 sprintf("maximum M = %.6f", max_mass) at max_radius, max_mass offset 1.5,-1.5
plot table using (exp(-$2)):3 with linespoints pointtype 7 pointsize 0.6 title "models", \
     "+" using (max_radius):(max_mass) every ::0::0 with points pointtype 6 pointsize 2.5 linecolor "red" title "maximum mass"
unset label 1

set title "Mass against central density"
set xlabel "log_{10} central energy density (dimensionless units)"
set ylabel "mass M (dimensionless units)"
set label 2 sprintf("maximum M = %.6f\nat log_{10} {/Symbol r}_c = %.1f", max_mass, max_density) \
    at max_density, max_mass right offset -1.5,-1
plot table using 1:3 with linespoints pointtype 7 pointsize 0.6 title "models", \
     "+" using (max_density):(max_mass) every ::0::0 with points pointtype 6 pointsize 2.5 linecolor "red" title "maximum mass"
unset multiplot
