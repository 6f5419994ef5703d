# The Debian package of everything that `cmake --install` puts in place: run `cpack` in
# the build folder (scripts/package.sh). Its dependencies come from the libraries the
# programs link, through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantprocess)
set(CPACK_PACKAGE_VENDOR Kormo)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 72 characters: package tools show the description as it is written.
set(CPACK_PACKAGE_DESCRIPTION
  "VantProcess works on the accounts database of an installed Kormo retail
accounting product and does three jobs from one menu: Account Transfer
into a shadow company, Accounts Posting of vouchers recorded off line,
and Purge Data. vantctl runs the same jobs without windows;
vant-dbcreator creates a database, with demonstration data if wished.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kormo VantProcess team <vantprocess@kormo.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its plugins at run time, so no linked library names them: the platform
# plugins that draw the windows and the driver of the embedded database are needed;
# SQL Server is reached through the ODBC driver and FreeTDS; Qt's own texts (the boxes'
# buttons) in the user's language come with its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-odbc, tdsodbc, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
