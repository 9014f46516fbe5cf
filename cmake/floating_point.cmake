# The tables must come out the same bit for bit with every compiler and every
# optimisation level: each addition, multiplication and division is a separate
# operation rounded to double, in the grouping the source writes.
#   -ffp-contract=off  no fused multiply-add (GCC contracts across statements
#                      by default, Clang within expressions)
# Nothing may be added here that reassociates or relaxes IEEE arithmetic.
add_compile_options(-ffp-contract=off)
