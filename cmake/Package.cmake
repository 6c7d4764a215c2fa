# The Debian package: `cmake --build build --target package` makes varnoke_VERSION_ARCH.deb
# of everything the install rules put in place, under /usr. Its dependencies are what
# dpkg-shlibdeps finds the programs linked against, never a list kept by hand.
set(VARNOKE_PACKAGE_MAINTAINER "Orvelia <varnoke@orvelia.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(debian ${PROJECT_SOURCE_DIR}/data/debian)

# The changelog's newest entry names the version the package gets; a new version without
# its entry stops here rather than making a package whose changelog says otherwise.
file(STRINGS ${debian}/changelog newest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT newest MATCHES "^varnoke \\(${version_pattern}\\) ")
  message(FATAL_ERROR "data/debian/changelog begins with \"${newest}\": "
                      "add an entry for version ${PROJECT_VERSION} at its top")
endif()

# The version is the project's own (a native package), so Debian's policy names the
# changelog changelog.gz; the copyright file is machine-readable and never compressed.
varnoke_install_gzipped(${debian}/changelog share/doc/varnoke)
install(FILES ${debian}/copyright DESTINATION share/doc/varnoke)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnoke)
set(CPACK_PACKAGE_VENDOR Orvelia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "bulk renamer for the names, time stamps and attributes of files")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${debian}/description)
set(CPACK_PACKAGE_HOMEPAGE_URL https://orvelia.org/varnoke)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNOKE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
