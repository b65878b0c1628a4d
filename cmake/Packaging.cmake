# Installation and the Debian package (scripts/package.sh).
#
# The executable, Sonabridge, the web-pages module, talkvane-diag and the
# product data stay together in a private folder, since Talkvane loads what it
# ships from beside itself; /usr/bin has links to the two programs. The
# program folder is not writable there, so Talkvane keeps its own files in
# $XDG_DATA_HOME/talkvane (src/utils/app_paths.cpp).

set(TALKVANE_PRIVATE_DIR lib/talkvane)
# Debian 12 has a merged /usr: udev's /lib/udev/rules.d is this folder.
set(TALKVANE_UDEV_RULES_DIR lib/udev/rules.d)
# The date of PROJECT_VERSION's release, for the metainfo.
set(TALKVANE_RELEASE_DATE 2026-12-10)

install(TARGETS talkvane talkvane-diag RUNTIME DESTINATION ${TALKVANE_PRIVATE_DIR})
install(TARGETS sonabridge talkvane_webpages LIBRARY DESTINATION ${TALKVANE_PRIVATE_DIR})
file(GLOB packaged_device_data CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/data/device/*.json ${PROJECT_SOURCE_DIR}/data/device/*.png)
install(FILES ${packaged_device_data} DESTINATION ${TALKVANE_PRIVATE_DIR}/device)

set(staging ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${staging})
foreach(program talkvane talkvane-diag)
  # Relative, so the link holds in the package's staging root as installed.
  file(CREATE_LINK ../${TALKVANE_PRIVATE_DIR}/${program} ${staging}/${program} SYMBOLIC)
  install(FILES ${staging}/${program} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/data/udev/70-talkvane-receiver.rules
  DESTINATION ${TALKVANE_UDEV_RULES_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/io.talkvane.Talkvane.desktop
  DESTINATION share/applications)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/io.talkvane.Talkvane.metainfo.xml
  ${staging}/io.talkvane.Talkvane.metainfo.xml @ONLY)
install(FILES ${staging}/io.talkvane.Talkvane.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/app/hicolor/${size}/talkvane.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/app/talkvane.svg
  DESTINATION share/icons/hicolor/scalable/apps)

# The copyright file, with the fonts' notices as machine-readable licence
# paragraphs: every line indented, empty lines as " .".
function(talkvane_licence_paragraph out name file)
  file(READ ${file} text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
  string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" text "${text}")
  set(${out} "License: ${name}\n${text}\n" PARENT_SCOPE)
endfunction()
file(READ ${PROJECT_SOURCE_DIR}/data/debian/copyright.in copyright)
talkvane_licence_paragraph(apache Apache-2.0
  ${PROJECT_SOURCE_DIR}/resources/fonts/LICENSE-DroidSansFallback.txt)
talkvane_licence_paragraph(fontawesome LicenseRef-FontAwesome-Free
  ${PROJECT_SOURCE_DIR}/resources/fonts/fontawesome/LICENSE.txt)
file(WRITE ${staging}/copyright.new "${copyright}${apache}\n${fontawesome}")
configure_file(${staging}/copyright.new ${staging}/copyright COPYONLY)
install(FILES ${staging}/copyright DESTINATION share/doc/talkvane)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/data/debian/copyright.in
  ${PROJECT_SOURCE_DIR}/resources/fonts/LICENSE-DroidSansFallback.txt
  ${PROJECT_SOURCE_DIR}/resources/fonts/fontawesome/LICENSE.txt)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talkvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(TALKVANE_PACKAGE_MAINTAINER "Talkvane <support@talkvane.io>" CACHE STRING
  "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${TALKVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion for the Talkvane voice mouse")
set(CPACK_PACKAGE_DESCRIPTION
  "Hold a button of the voice mouse, speak, and the words are typed into the\nwindow that has the focus; translation, text recognition and meetings too.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, where shlibdeps cannot see them: the meeting store's
# SQLite driver, Qt's audio plugins and the GStreamer elements they use.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt5sql5-sqlite, libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# udev applies the receiver's rule; xdg-open hands a downloaded update on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, xdg-utils, bluez")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/data/debian/postinst ${PROJECT_SOURCE_DIR}/data/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Symbols stay in the dynamic table, which is what crash reports name.
set(CPACK_STRIP_FILES ON)
include(CPack)
