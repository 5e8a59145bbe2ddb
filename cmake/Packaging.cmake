set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dalvana)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Dalvana developers")
set(CPACK_PACKAGE_CONTACT "Dalvana developers <dalvana@users.noreply.he.wiktionary.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dalvana edits the wiki text of Hebrew Wiktionary entries in one large
right-to-left text box, vowel points and all. It knows the prescribed layout
of an entry and offers commands and dialogs that write and rewrite its parts:
skeletons, vowel points, markup, example sentences and quotations,
footnotes, translations, the conjugation page of a verb root, a table of
contents, clean-ups, search by root, statistics and lookups in outside
dictionaries.

dalvana-cli runs the same text operations on files from a script.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; Qt's plugins for the screen and for the SVG
# icon are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "culmus, qt6-translations-l10n, hunspell-he, breeze-icon-theme, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
