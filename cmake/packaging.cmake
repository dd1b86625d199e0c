# `cpack` in a build directory makes kelvaro_<version>_<arch>.deb from the
# install rules. dpkg-shlibdeps finds the Qt libraries the programs link; the
# packages loaded at run time without being linked are named here.
if(KELVARO_ENGINE_ONLY)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "The Kelvaro team")
set(CPACK_PACKAGE_CONTACT "The Kelvaro team <team@kelvaro.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvaro solves the 9x9 number-placement puzzle the way a person does and
generates new puzzles in four difficulties. Typed digits are checked against
their row, column and box as they are entered, and a puzzle can be printed on
one page.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The games folder, the copyright file and the changelog of a Debian package.
set(CPACK_KELVARO_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/data/debian)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_layout.cmake)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kelvaro.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins and the SVG icon engine at run time, and
# the program asks for its fonts by name, so none of them shows up among the
# linked libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
# The web-page window hands links elsewhere to the desktop's browser and mail
# program through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
