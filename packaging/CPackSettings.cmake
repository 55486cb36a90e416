# The Debian package's control data (read by include(CPack) at the top level).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "pmrprog")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
# The first packaging of this version: 1.0.0-1, as packaging/changelog.Debian says.
set(CPACK_DEBIAN_PACKAGE_RELEASE "1")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for PMR446 hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a PMR446 hand-held radio through its serial\n"
    "programming cable, edits its 128 channels and radio-wide settings, writes\n"
    "them back and keeps the work in .dat files, with its texts in English or\n"
    "Chinese. Includes the command-line programmer pmr-cli and the simulated\n"
    "radio pmr-radio-sim.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
# Folders the package makes are 755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "pmrprog maintainers <maintainers@pmrprog.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt libraries come from dpkg-shlibdeps; the Chinese font and Qt's own
# translations (standard buttons, file dialog) are data nothing links against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-translations-l10n")
