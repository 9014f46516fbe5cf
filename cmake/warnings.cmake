# Warnings for the project's own targets.
function(compact_stars_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wdouble-promotion)
endfunction()
