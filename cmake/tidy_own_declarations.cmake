# cmake -DDATABASE=compile_commands.json -DTARGET=name -DSOURCE=file -DTIDY=clang-tidy -P this
#
# Runs clang-tidy's checks that look only at the declarations of the file being compiled (unused
# using-declarations and namespace aliases) on one source of a test executable compiled in
# batches. In a batch the source is an included file and those checks pass over it; here it is
# the file being compiled, with the flags of its target's batches.
foreach(variable DATABASE TARGET SOURCE TIDY)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

# Most sources declare neither, and then there is nothing to parse them for. Whatever mentions a
# using-declaration or an alias, even in a comment, is parsed; using-directives and type aliases
# alone are not those checks' concern. (The list splits lines at semicolons: each piece is read.)
file(STRINGS "${SOURCE}" mentions REGEX "(^|[^A-Za-z0-9_])(using([ \t]|$)|namespace[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]*=)")
set(declares FALSE)
foreach(piece IN LISTS mentions)
  if(piece MATCHES "namespace[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]*="
     OR (piece MATCHES "(^|[^A-Za-z0-9_])using([ \t]|$)"
         AND NOT piece MATCHES "using[ \t]+(namespace[ \t]|[A-Za-z_][A-Za-z0-9_]*[ \t]*=)"))
    set(declares TRUE)
  endif()
endforeach()
if(NOT declares)
  message(STATUS "${SOURCE}: no using-declaration or namespace alias to check")
  return()
endif()

file(READ "${DATABASE}" entries)
string(JSON count LENGTH "${entries}")
math(EXPR last "${count} - 1")
set(command "")
foreach(i RANGE ${last})
  string(JSON file GET "${entries}" ${i} file)
  if(file MATCHES "/${TARGET}\\.dir/Unity/")
    string(JSON command GET "${entries}" ${i} command)
    break()
  endif()
endforeach()
if(command STREQUAL "")
  message(FATAL_ERROR "${DATABASE} has no batch of ${TARGET}")
endif()

# The batch's flags without the compiler, its output and its input.
separate_arguments(words UNIX_COMMAND "${command}")
list(POP_FRONT words)
set(flags "")
set(skipNext FALSE)
foreach(word IN LISTS words)
  if(skipNext)
    set(skipNext FALSE)
  elseif(word MATCHES "^-(o|c|MT|MF)$")
    set(skipNext TRUE)
  elseif(NOT word STREQUAL "-MD")
    list(APPEND flags "${word}")
  endif()
endforeach()

execute_process(COMMAND ${TIDY} --quiet "--checks=-*,misc-unused-using-decls,misc-unused-alias-decls"
                        "--warnings-as-errors=*" "${SOURCE}" -- ${flags} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-tidy found faults in ${SOURCE}")
endif()
