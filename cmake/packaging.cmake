# What the installed program brings beside it: its news and its manual. The
# Debian package comes from debian/ (scripts/package builds it).
include(GNUInstallDirs)

# The Debian source package names the version once more (the source release
# leaves debian/ out).
if(EXISTS ${PROJECT_SOURCE_DIR}/debian/changelog)
  file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog debian_version LIMIT_COUNT 1 REGEX "^zeltavor \\(")
  if(NOT debian_version MATCHES "^zeltavor \\(${PROJECT_VERSION}\\)")
    message(FATAL_ERROR "debian/changelog begins '${debian_version}': its version must be ${PROJECT_VERSION}")
  endif()
endif()

set(news ${CMAKE_BINARY_DIR}/NEWS.gz)
add_custom_command(OUTPUT ${news} COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/NEWS > ${news} DEPENDS ${PROJECT_SOURCE_DIR}/NEWS)
install(FILES ${news} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zeltavor)
# The manual in English, and in German where the locale asks for it.
foreach(language en de)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${language}/zeltavor.1.in ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz
    COMMAND gzip -n -9 -c ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1 > ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz
    DEPENDS ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1)
  list(APPEND manuals ${CMAKE_BINARY_DIR}/man-${language}/zeltavor.1.gz)
endforeach()
add_custom_target(documents ALL DEPENDS ${news} ${manuals})
install(FILES ${CMAKE_BINARY_DIR}/man-en/zeltavor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man-de/zeltavor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
