# What an installed program needs from the desktop and the system beyond its own files: the cable rule, the
# data file type, the AppStream metadata, the manual pages, the bash completion and the package's documents.
set(LM_RES ${CMAKE_SOURCE_DIR}/src/resources)

# The cable rule: the one name, and the folder udev reads it from. Installed for the system (prefix /usr, as
# the package is) it goes to the system's udev folder; any other prefix keeps it under the prefix, to be copied
# to /etc/udev/rules.d by hand.
set(LM_UDEV_RULE_NAME 70-lm418t-cable.rules)
set(LM_UDEV_RULES_DIR "" CACHE STRING "Folder of the cable rule (empty: chosen by the prefix)")
if(LM_UDEV_RULES_DIR)
  set(LM_UDEV_RULES ${LM_UDEV_RULES_DIR})
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_get_variable(LM_UDEV_DIR udev udevdir)
  endif()
  if(NOT LM_UDEV_DIR)
    set(LM_UDEV_DIR /lib/udev)
  endif()
  set(LM_UDEV_RULES ${LM_UDEV_DIR}/rules.d)
else()
  set(LM_UDEV_RULES lib/udev/rules.d)
endif()
if(IS_ABSOLUTE "${LM_UDEV_RULES}")
  set(LM_UDEV_RULE_PATH ${LM_UDEV_RULES}/${LM_UDEV_RULE_NAME})
else()
  set(LM_UDEV_RULE_PATH ${CMAKE_INSTALL_PREFIX}/${LM_UDEV_RULES}/${LM_UDEV_RULE_NAME})
endif()
install(FILES ${LM_RES}/udev/${LM_UDEV_RULE_NAME} DESTINATION ${LM_UDEV_RULES})

# The data file type, and the program for software centres. AppStream wants absolute addresses for the
# screenshots; the project has no public address yet, and .example is a name that is reserved for examples and
# never resolves (see the README).
set(LM_PUBLIC_URL "https://lm418t.example" CACHE STRING "Where the repository's files are published")
set(LM_APPSTREAM_ID example.lm418t.programmer)
install(FILES ${LM_RES}/mime/lm418t.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
configure_file(${LM_RES}/metainfo/${LM_APPSTREAM_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/share/${LM_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/share/${LM_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${LM_RES}/completion/lm418t-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME lm418t-cli)

# Manual pages from the programs' own --help and --version, with the sections help does not have.
find_program(LM_HELP2MAN help2man)
find_program(LM_GZIP gzip)
set(LM_FULL_DATA_DIR ${LM_DATA_DIR})
set(LM_MAN_DIR ${CMAKE_BINARY_DIR}/share/man)
set(LM_MAN_PAGES)
# (Not in the sanitizer and fuzzing builds, which are never installed.)
if(LM_HELP2MAN AND LM_GZIP AND NOT LM_SANITIZE AND NOT LM_FUZZ)
  foreach(program lm418t lm418t-cli)
    if(TARGET ${program})
      configure_file(${LM_RES}/man/${program}.h2m.in ${LM_MAN_DIR}/${program}.h2m @ONLY)
      add_custom_command(
        OUTPUT ${LM_MAN_DIR}/${program}.1.gz
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                ${LM_HELP2MAN} --no-info --include=${LM_MAN_DIR}/${program}.h2m --output=${LM_MAN_DIR}/${program}.1
                $<TARGET_FILE:${program}>
        COMMAND ${LM_GZIP} -9nf ${LM_MAN_DIR}/${program}.1
        DEPENDS ${program} ${LM_MAN_DIR}/${program}.h2m
        COMMENT "Manual page ${program}(1)"
        VERBATIM)
      list(APPEND LM_MAN_PAGES ${LM_MAN_DIR}/${program}.1.gz)
    endif()
  endforeach()
  add_custom_target(lm_man_pages ALL DEPENDS ${LM_MAN_PAGES})
  install(FILES ${LM_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man or gzip not found: no manual pages (scripts/setup.sh installs help2man)")
endif()

# The package's own documents: the copyright and the changelog, compressed as Debian has it.
set(LM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lm418t)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/share/changelog.gz
  COMMAND ${LM_GZIP} -9nc ${LM_RES}/debian/changelog > ${CMAKE_BINARY_DIR}/share/changelog.gz
  DEPENDS ${LM_RES}/debian/changelog
  VERBATIM)
add_custom_target(lm_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/share/changelog.gz)
install(FILES ${LM_RES}/debian/copyright ${CMAKE_BINARY_DIR}/share/changelog.gz DESTINATION ${LM_DOC_DIR})
