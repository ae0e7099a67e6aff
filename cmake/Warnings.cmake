# Warnings are errors in every build of the project's own targets.
function(wyndrel_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  endif()
endfunction()

# Wide-character entry point (wWinMain); MSVC finds it by itself, mingw needs -municode.
function(wyndrel_unicode_entry target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()
