# The Debian package: `cpack -G DEB` in the build folder (or `cmake --build build --target package-deb`)
# makes vantorel-kompresto_<version>_amd64.deb with everything `cmake --install` puts under /usr.
# Its run-time dependencies are read from the programs themselves by dpkg-shlibdeps, so they carry
# Debian's own package names and versions (Qt 5, libgs, libqpdf, ...).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantorel-kompresto)
set(CPACK_PACKAGE_VENDOR Vantorel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PDF compressor with a window and a command")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantorel Kompresto makes PDF files smaller. Each document is rewritten by
Ghostscript's pdfwrite device, checked with qpdf, and delivered under a name
that clashes with nothing in the output folder, never larger than its source
and with its links and bookmarks kept.
.
The package holds the desktop application and the command kompresto, which
runs the same engine from scripts, scheduled jobs and servers without a
display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantorel <support@vantorel.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vantorel.com/kompresto.html")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

add_custom_target(package-deb
    COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building the Debian package"
    VERBATIM)

# Builds the package and checks its files, dependencies, AppStream data and lintian's verdict.
add_custom_target(check-package
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    USES_TERMINAL
    VERBATIM)
