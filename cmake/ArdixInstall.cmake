# Install layout of a desktop application, and the Debian package built from it (scripts/package.sh).
include(GNUInstallDirs)

# The desktop id is the reversed organisation domain the client gives Qt ("ardix.local") plus the
# executable's name: that is the app id Qt announces on Wayland, so the desktop ties the running
# window to this entry and its icon.
set(ARDIX_DESKTOP_ID local.ardix.ardix)
set(ARDIX_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(ARDIX_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

foreach(program ardix ardix-log ardix-sim ardix-settings)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${ARDIX_PACKAGING_DIR}/${ARDIX_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The release date follows SOURCE_DATE_EPOCH when set, so that a package build is reproducible.
string(TIMESTAMP ARDIX_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${ARDIX_PACKAGING_DIR}/${ARDIX_DESKTOP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${ARDIX_DESKTOP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ARDIX_DESKTOP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${ARDIX_PACKAGING_DIR}/ardix-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ardix.xml)

foreach(size ${ARDIX_ICON_SIZES})
  install(FILES ${ARDIX_PACKAGING_DIR}/icons/ardix-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ardix.png)
endforeach()
install(FILES ${ARDIX_PACKAGING_DIR}/icons/ardix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The font and the icons themselves are compiled into the client; their licences ship beside it.
install(FILES ${CMAKE_SOURCE_DIR}/fonts/LICENSE-Roboto.txt ${CMAKE_SOURCE_DIR}/images/LICENSE-mdi.txt
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian package. Library dependencies are computed from the installed programs. What Qt loads at run
# time is invisible to that: the QML modules the interface imports, and the SVG image plugin that draws
# its icons (libqt6svg6); they are listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ardix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ardix")
set(CPACK_PACKAGE_CONTACT "Ardix <support@ardix.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration client of the Ardix 7 dash and its PDM")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads and writes the configuration of the Ardix 7 in-car digital dashboard and of its power\n\
distribution module over their WiFi link, downloads their data logs and exports them as CSV\n\
and LD files, finds laps from GPS and updates device firmware. Includes ardix-log, a command\n\
line converter of logs, and ardix-sim, a device simulator for trying the client without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(ARDIX_RUNTIME_PACKAGES
  libqt6svg6 qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-window qml6-module-qtquick-layouts qml6-module-qtquick-dialogs
  qml6-module-qt-labs-settings qml6-module-qt5compat-graphicaleffects
  qml6-module-qtqml-workerscript qml6-module-qtquick-shapes qml6-module-qt-labs-folderlistmodel
  qml6-module-qtcore)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${ARDIX_RUNTIME_PACKAGES}")
# Without it the client still runs on a Wayland desktop, through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
