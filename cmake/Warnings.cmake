# Warnings are errors in every build of the project's own targets.
function(wyndrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
