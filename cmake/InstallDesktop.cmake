# Run by `cmake --install`: writes the desktop entry with the full path of the
# installed game, now that the prefix is known, and installs it.
set(VESTRAN_EXEC "${CMAKE_INSTALL_PREFIX}/${VESTRAN_BINDIR}/vestran")
# A path with blanks or quoting characters is quoted as the desktop entry rules
# want: a backslash before " ` $ \, doubled once more as the file's strings are.
if(VESTRAN_EXEC MATCHES "[ \t\"`$\\\\]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\\\\\1" VESTRAN_EXEC "${VESTRAN_EXEC}")
  set(VESTRAN_EXEC "\"${VESTRAN_EXEC}\"")
endif()
configure_file("${VESTRAN_DESKTOP_IN}" "${VESTRAN_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${VESTRAN_APPLICATIONS}" TYPE FILE
     FILES "${VESTRAN_DESKTOP_OUT}")
