# A Debian package of the Linux program (cpack -G DEB, see scripts/package).
include(GNUInstallDirs)

# The Debian source package names the version once more, with its revision
# (the source release leaves debian/ out).
if(EXISTS ${PROJECT_SOURCE_DIR}/debian/changelog)
  file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog debian_version LIMIT_COUNT 1 REGEX "^zeltavor \\(")
  if(NOT debian_version MATCHES "^zeltavor \\(${PROJECT_VERSION}-[0-9]+\\)")
    message(FATAL_ERROR "debian/changelog begins '${debian_version}': its version must be ${PROJECT_VERSION}-<revision>")
  endif()
endif()

# Debian wants these beside every package's files; debhelper (debian/) brings
# its own copyright and changelog.
option(ZELTAVOR_DEBIAN_DOCS "Install the copyright and changelog CPack's Debian package needs" ON)
set(doc ${CMAKE_INSTALL_DATADIR}/doc/zeltavor)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
set(news ${CMAKE_BINARY_DIR}/NEWS.gz)
add_custom_command(OUTPUT ${changelog} ${news}
  COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/changelog > ${changelog}
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/NEWS > ${news}
  DEPENDS ${CMAKE_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/NEWS)
install(FILES ${news} DESTINATION ${doc})
if(ZELTAVOR_DEBIAN_DOCS)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog} DESTINATION ${doc})
endif()
# The manual in English, and in German where the locale asks for it.
foreach(language en de)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${language}/zeltavor.1.in ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz
    COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1 > ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz
    DEPENDS ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1)
  list(APPEND manuals ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz)
endforeach()
add_custom_target(debian_documents ALL DEPENDS ${changelog} ${news} ${manuals})
install(FILES ${CMAKE_BINARY_DIR}/man-en/zeltavor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man-de/zeltavor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeltavor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zeltavor <zeltavor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "round gauge of memory load and disk usage")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small borderless dial that stays on top of all windows and shows with a
red needle how full the machine is: the load of physical memory or the used
share of the system disk. Its texts are German.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its X11 back-end in qt6-qpa-plugins, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
