# Read by cpack before it makes a package. The Debian package's library
# dependencies are found by dpkg-shlibdeps in the programs that `file`
# reports as dynamically linked. Without dpkg-shlibdeps cpack quietly
# leaves them out; without `file` it stops with a message that names
# neither package, so name both here.
cmake_policy(SET CMP0109 NEW) # a tool must be executable to count
if(CPACK_GENERATOR STREQUAL "DEB")
  set(tools dpkg-shlibdeps file)
  set(packages dpkg-dev file)
  set(missing)
  foreach(tool package IN ZIP_LISTS tools packages)
    find_program(tool_path ${tool} NO_CACHE)
    if(NOT tool_path)
      list(APPEND missing "${tool} (from the package ${package})")
    endif()
    unset(tool_path)
  endforeach()
  if(missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "To name the libraries it depends on, the Debian "
      "package needs tools that are missing here: ${missing}. Install them "
      "with scripts/install-deps --deb, or make the package with `make deb`; "
      "it is not made without them.")
  endif()
endif()
