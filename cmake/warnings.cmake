# Warning flags for every target of the project.
function(q417_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                                           -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(Q417_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
