# `cpack -G DEB` in the build folder makes tamo_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME tamo)
set(CPACK_PACKAGE_VENDOR "Tamo")
set(CPACK_PACKAGE_CONTACT "Tamo fejlesztők <tamo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zelvária area editor")
set(CPACK_PACKAGE_DESCRIPTION "Tamo writes areas (rooms, creatures, items) for the \
Hungarian-language text adventure Zelvária and saves them as .tamo files. tamo-cli checks, \
plays and resaves such files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The libraries the programs link are found in the built binaries, never listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Hungarian are data the window loads, which no library lookup can find.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
