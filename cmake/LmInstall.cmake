# What an installed program needs from the desktop and the system beyond its own files: the cable rule, the
# data file type and the AppStream metadata.
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
