# The Debian package: `cpack -G DEB` in a tree configured with the prefix
# /usr (scripts/package.sh) gives solvaris_<version>_amd64.deb, its library
# dependencies found by dpkg-shlibdeps.
set(SOLVARIS_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/solvaris)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${SOLVARIS_GZIP} -9nf -k ${PROJECT_BINARY_DIR}/packaging/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(solvaris_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
  DESTINATION ${SOLVARIS_PACKAGE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME solvaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The SOLVARIS developers <solvaris@users.noreply.github.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/solvaris/solvaris)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, not linked: the wheel's glyphs and the zone files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-freefont-ttf, tzdata")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astrology workstation: horoscopes, reports and chart wheels")
# The synopsis is the summary above; CPack indents these lines and marks
# the empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "SOLVARIS computes a horoscope from a person's birth data: the Sun, Moon and
planets, the nodes, the Part of Fortune, the angles and the house cusps in
ten house systems, from closed-form theories or with Swiss Ephemeris.

It shows progressions, solar arc, transits, returns, lunations, planetary
hours, transit timelines and the comparison of two persons as text reports
and chart wheels, in its windows or from the command line, and finds
birthplaces with their time zones in a world atlas.")
include(CPack)
