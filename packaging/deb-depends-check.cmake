# Run by cpack after it has made a package. A Debian package whose Depends
# lacks the Qt libraries would install and then fail to start, so such a
# package is deleted before cpack copies it out, and cpack fails.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND dpkg-deb --field ${deb} Depends
      OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status)
    set(absent)
    foreach(library IN LISTS CPACK_TOLVANI_LIBRARY_PACKAGES)
      # A prefix, so that a renamed library package (libqt6core6t64 in later
      # Debian releases) counts.
      if(NOT status EQUAL 0 OR NOT depends MATCHES "(^|, )${library}")
        list(APPEND absent ${library})
      endif()
    endforeach()
    if(absent)
      file(REMOVE ${deb})
      list(JOIN absent ", " absent)
      message(FATAL_ERROR "The Debian package's Depends ('${depends}') lacks "
        "${absent}: it would install and then not start, so it is not made. "
        "dpkg-shlibdeps (from the package dpkg-dev) finds these libraries in "
        "the program; scripts/install-deps --deb installs it.")
    endif()
  endforeach()
endif()
