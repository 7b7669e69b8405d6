# The Debian package (scripts/package.sh): everything the default install installs (lm418t-sim, a developer
# tool, is outside it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lm418t)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The LM-418T programming software developers")
set(CPACK_PACKAGE_CONTACT
    "The LM-418T programming software developers <maintainers@users.noreply.c-seed-f8d2e99d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program the LM-418T hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of LM-418T hand-held radios (UHF and VHF variants, 16
channels) through a USB serial programming cable, edits their channels and
functions, keeps them in data files and writes them back into the same or
many other radios.

The package holds the windowed program, lm418t, and the command-line tool,
lm418t-cli, for scripts and for writing several radios at once; a udev rule
that lets the user at the seat open the common programming cables and keeps
ModemManager away from them; and the data file type for file managers.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(NOT LM_PUBLIC_URL MATCHES "\\.example(/|$)")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LM_PUBLIC_URL})
endif()
set(CPACK_STRIP_FILES ON)
# Absolute folders (the udev rule) go into the package, never into the building machine. The paths are those of
# the build's prefix, which scripts/package.sh makes sure is /usr.
set(CPACK_SET_DESTDIR ON)
include(CPack)
