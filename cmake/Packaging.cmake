# cpack -G DEB (in a release build): a Debian package of what cmake
# --install puts under /usr, its run-time dependencies worked out from the
# shared libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvex Project")
set(CPACK_PACKAGE_CONTACT "Tarvex Project <maintainers@tarvex.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the 32-bit flag words of INI files")
# The summary is the Description's first line; CPack indents this body below it.
set(CPACK_PACKAGE_DESCRIPTION "Tarvex opens an INI file as text and shows every bit of a flag word such as
Flags=$0000A001 in a bit table where each bit can be named, described, ticked
and cleared. It writes the new word back into the file, keeps the bits' names
in definition files beside the INI file, generates Pascal and C++ include
files of named constants, and prints the bit table and the INI text.")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in the user's language; loaded at run time, so no shared
# library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The program makes its Temp folder in the program folder; the package
# takes it away again.
set(TARVEX_PACKAGE_PROGRAM_FOLDER ${CPACK_PACKAGING_INSTALL_PREFIX}/${TARVEX_PROGRAM_DIR})
configure_file(${PROJECT_SOURCE_DIR}/resources/prerm.in ${PROJECT_BINARY_DIR}/package/prerm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/package/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES ON)
include(CPack)
