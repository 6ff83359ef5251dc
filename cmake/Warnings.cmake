# Strict warnings for the project's own targets; third-party code keeps its own flags.
function(talvora_strict_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    -Wformat=2 -Wimplicit-fallthrough)
  if(TALVORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
