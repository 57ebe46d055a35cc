# Where everything goes on `cmake --install` and in the Debian package.
# The program finds its page files and the link host relative to its own
# folder, so any prefix works as long as this layout is kept.
set(QUILLMARK_INSTALL_HELPERDIR "lib/quillmark" CACHE STRING
    "Folder under the prefix for the link host, which browsers start by its absolute path")

file(RELATIVE_PATH QUILLMARK_DATA_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/quillmark/Data")
file(RELATIVE_PATH QUILLMARK_HOST_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${QUILLMARK_INSTALL_HELPERDIR}")
# The page plug-in: in a folder of its own below the link host's, since a
# library straight in a folder of lib/ has the Debian package run ldconfig for
# nothing.
set(QUILLMARK_INSTALL_PAGESDIR ${QUILLMARK_INSTALL_HELPERDIR}/plugins)
file(RELATIVE_PATH QUILLMARK_PAGES_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${QUILLMARK_INSTALL_PAGESDIR}")

function(quillmark_install_files)
  install(TARGETS quillmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS quillmark-pages LIBRARY DESTINATION ${QUILLMARK_INSTALL_PAGESDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/Data/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/quillmark/Data)
  install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/quillmark.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/org.example.quillmark.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 128)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/hicolor/${size}/quillmark.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  # Manual pages are installed compressed, reproducibly (no name, no time).
  find_program(QUILLMARK_GZIP gzip REQUIRED)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/res/desktop/quillmark.1)
  execute_process(COMMAND ${QUILLMARK_GZIP} -9nc ${PROJECT_SOURCE_DIR}/res/desktop/quillmark.1
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/quillmark.1.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${CMAKE_BINARY_DIR}/quillmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icons/quillmark.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  if(QUILLMARK_DEBIAN_PACKAGE)
    # Debian keeps the licence as doc/<package>/copyright, beside a changelog.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
    install(FILES ${CMAKE_BINARY_DIR}/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
  else()
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
  endif()
endfunction()
