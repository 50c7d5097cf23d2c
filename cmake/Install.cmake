# SPDX-License-Identifier: GPL-3.0-or-later
# Installing tallymoo like any desktop program, and packaging it for Debian.
# Everything is placed relative to the prefix: the programs find their data
# directory at ../share/tallymoo/data from their own folder, so one tree works
# under /usr, /usr/local or a temporary prefix alike.
include(GNUInstallDirs)

set(TALLYMOO_APP_ID org.tallymoo.tallymoo)
set(TALLYMOO_WEB_URL "https://tallymoo.invalid" CACHE STRING
    "Where the project's pages are published; the store's screenshots are read from its docs/ folder")

configure_file(${CMAKE_SOURCE_DIR}/packaging/${TALLYMOO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${TALLYMOO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS tallymoo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TALLYMOO_DESKTOP)
  install(TARGETS tallymoo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallymoo/data)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tallymoo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tallymoo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${TALLYMOO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TALLYMOO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The school's server: the set-up its administrator runs once, and the schema
# it loads (found at ../share/tallymoo/school from the script's folder).
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/school/tallymoo-school-setup DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/school/schema.sql DESTINATION ${CMAKE_INSTALL_DATADIR}/tallymoo/school)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "postgresql")
# Debian's place for the licence of a package's files (machine-readable copyright).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallymoo)

# The Debian package; its dependencies are found by cmake/DebianDepends.cmake
# when cpack runs. Loaded at run time without being linked: the Qt platform
# plugins, Qt's Chinese translations (the buttons of message boxes, the print
# dialog), the fonts every page asks for, the script that draws the record
# page's charts and the GStreamer plugins that play the sounds.
set(TALLYMOO_RUNTIME_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk, libjs-chart.js, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(TALLYMOO_PACKAGED_PROGRAMS $<TARGET_FILE:tallymoo-cli>)
if(TALLYMOO_DESKTOP)
  list(APPEND TALLYMOO_PACKAGED_PROGRAMS $<TARGET_FILE:tallymoo>)
endif()
set(TALLYMOO_CPACK_CONFIG ${CMAKE_BINARY_DIR}/packaging/CPackProjectConfig.cmake)
file(GENERATE OUTPUT ${TALLYMOO_CPACK_CONFIG} CONTENT
"set(TALLYMOO_PROGRAMS \"${TALLYMOO_PACKAGED_PROGRAMS}\")
set(TALLYMOO_RUNTIME_DEPENDS \"${TALLYMOO_RUNTIME_DEPENDS}\")
set(TALLYMOO_SHLIBDEPS_DIR \"${CMAKE_BINARY_DIR}/packaging/shlibdeps\")
include(\"${CMAKE_SOURCE_DIR}/cmake/DebianDepends.cmake\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PROJECT_CONFIG_FILE ${TALLYMOO_CPACK_CONFIG})
set(CPACK_PACKAGE_NAME tallymoo)
set(CPACK_PACKAGE_VENDOR tallymoo)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "tallymoo developers <tallymoo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maths practice for primary-school children, in Chinese")
set(CPACK_PACKAGE_DESCRIPTION
    "A child picks a section and a topic; the program writes a sheet of fresh questions,\nmarks every answer and shows the score and the time taken. Around the sheets: a\ntimed level game, a 24-point card game, a card-memory game, a clock for learning\nto read the time and a reading library.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALLYMOO_WEB_URL})
include(CPack)
