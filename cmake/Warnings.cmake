# Strict warnings for the project's own targets; third-party code keeps its own flags.
function(talvora_strict_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    -Wformat=2 -Wimplicit-fallthrough)
  # GCC 12 at -O3 reports std::string copies inside libstdc++ as overlapping
  # (GCC bug 105329): a false positive that says nothing about our code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(TALVORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
