# The Debian package, built by scripts/package.sh with CPack.
if(NOT QUILLMARK_DEBIAN_PACKAGE)
  return()
endif()

# Debian wants the changelog compressed, and reproducibly so (no name, no time).
find_program(QUILLMARK_GZIP gzip REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
execute_process(COMMAND ${QUILLMARK_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}.0")
set(CPACK_PACKAGE_VENDOR "Tarnwick software")
set(CPACK_PACKAGE_CONTACT "Tarnwick software <quillmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "note, links and task reminders in the tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark is a small organiser that lives in the system tray. Its one\nalways-on-top window holds a free-text note, a list of web links with\ncomments and a list of tasks that pop up a reminder in their minute.\nLinks and tasks are kept in plain text files.")
# A Debian revision: the package is not native, its changelog is changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmark.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
