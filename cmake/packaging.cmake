# The Debian package: `cpack -G DEB` in a Release build folder makes
# ft817clone_<version>_amd64.deb holding what the install rules put in place
# (the program, its windows' program, its desktop entry and its icon). dpkg-shlibdeps works out the
# libraries it needs (the Qt 6 runtime and serial-port libraries); Qt's
# platform plugins, which it loads at run time, are named by hand.
set(CPACK_PACKAGE_NAME ft817clone)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ft817clone developers <ft817clone@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory editor and clone tool for the Yaesu FT-817, FT-817ND and FT-818")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Downloads the radio's memory over a serial cable in clone mode, edits the 200 memory\n"
       "channels, and uploads them back; a small CAT window tunes the radio. Subcommands do\n"
       "the same without windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
