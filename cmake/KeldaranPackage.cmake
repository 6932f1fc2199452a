# The Debian package: `make package` gives keldaran_<version>_amd64.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "keldaran")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Galvanized drinking-water pipe sizing calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Keldaran sizes galvanized drinking-water pipes from a friction-loss nomogram: the smallest\n pipe that carries the design flow at the allowed pressure drop, the flow velocity, and the\n operating point between the neighbouring pipe sizes, with a chart of the whole nomogram.\n The interface is in Persian.")
set(CPACK_PACKAGE_CONTACT "Keldaran developers <developers@keldaran.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform and SVG plugins are loaded at run time, so shlibdeps cannot see them; the
# Persian captions need a font that shapes Arabic script.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-noto-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
