# A Debian package of the Linux program (cpack -G DEB, see scripts/package).
include(GNUInstallDirs)

# Debian wants these beside every package's files.
set(doc ${CMAKE_INSTALL_DATADIR}/doc/zeltavor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${doc})
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/zeltavor.1.in ${CMAKE_BINARY_DIR}/zeltavor.1 @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
set(news ${CMAKE_BINARY_DIR}/NEWS.gz)
set(manual ${CMAKE_BINARY_DIR}/zeltavor.1.gz)
add_custom_command(OUTPUT ${changelog} ${news} ${manual}
  COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/changelog > ${changelog}
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/NEWS > ${news}
  COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/zeltavor.1 > ${manual}
  DEPENDS ${CMAKE_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/NEWS ${CMAKE_BINARY_DIR}/zeltavor.1)
add_custom_target(debian_documents ALL DEPENDS ${changelog} ${news} ${manual})
install(FILES ${changelog} ${news} DESTINATION ${doc})
install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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
