# What a Linux desktop needs to list, launch and show Kestrin, all under one
# reverse-DNS id, and the Debian package built from the same install rules.

install(FILES ${CMAKE_SOURCE_DIR}/data/${KESTRIN_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KESTRIN_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/res/icons/hicolor/${size}x${size}/apps/${KESTRIN_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/res/icons/kestrin.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${KESTRIN_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VENDOR Vellumark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# A package depends on the libraries of the release it was built on, so its
# version names that release (1.0.0.1~deb12, 1.0.0.1~deb13): two packages of
# one version built on two releases cannot be mistaken for each other, and the
# newer release's sorts later.
cmake_host_system_information(RESULT os_id QUERY DISTRIB_ID)
cmake_host_system_information(RESULT os_version QUERY DISTRIB_VERSION_ID)
if(os_id STREQUAL "debian" AND os_version)
  set(KESTRIN_RELEASE_SUFFIX "~deb${os_version}")
elseif(os_id AND os_version)
  set(KESTRIN_RELEASE_SUFFIX "~${os_id}${os_version}")
endif()
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION}${KESTRIN_RELEASE_SUFFIX})
set(CPACK_PACKAGE_CONTACT "Vellumark <support@vellumark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise the basic mouse skills without risk to your files")
set(CPACK_PACKAGE_DESCRIPTION
  "Three short tutorials for people new to computers: selecting, copying and\npasting text; dragging an item onto a folder; and double-clicking. Each step\nis checked and explained as it happens.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.vellumark.example/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Run-time libraries come from what the program links; the X platform plugin
# and the sound library are loaded at run time, so no linker dependency can
# name them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libasound2")
# Qt's own words (OK, Cancel, the text boxes' menus) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
