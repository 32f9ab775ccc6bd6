# The install tree (cmake --install, GNU layout) and the Debian package
# (cpack -G DEB) made from it.
#
#   <prefix>/bin/velmora
#   <prefix>/<libdir>/velmora/plugins/velmora-charts.so   the progress window's charts
#   <prefix>/share/velmora/                 catalog, template, default deck
#   <prefix>/share/velmora/translations/    the interface's translations (.qm)
#   <prefix>/share/applications/velmora.desktop
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/velmora.png, scalable/apps/velmora.svg
#   <prefix>/share/metainfo/example.velmora.Velmora.metainfo.xml
#   <prefix>/share/doc/velmora/             copyright, changelog.gz
#   <prefix>/share/man/man1/velmora.1.gz
#
# The installed program finds its data in ../share/velmora from its own
# folder and keeps the user's in the user's data folder (src/store/paths.h).

set(VELMORA_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)
set(VELMORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velmora-charts LIBRARY DESTINATION ${VELMORA_INSTALLED_PLUGINS})
install(DIRECTORY ${VELMORA_STAGED_DATA}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora
        PATTERN temp EXCLUDE)
install(FILES ${VELMORA_DESKTOP_DIR}/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORA_DESKTOP_DIR}/example.velmora.Velmora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VELMORA_STAGED_ICONS}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${VELMORA_DESKTOP_DIR}/velmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian's documentation of a package: its copyright and its changelog,
# compressed without a time stamp so that builds repeat.
set(VELMORA_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/changelog.gz)
set(VELMORA_MANPAGE_GZ ${CMAKE_BINARY_DIR}/velmora.1.gz)
add_custom_command(OUTPUT ${VELMORA_CHANGELOG_GZ} ${VELMORA_MANPAGE_GZ}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/debian/changelog > ${VELMORA_CHANGELOG_GZ}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/debian/velmora.1 > ${VELMORA_MANPAGE_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog ${CMAKE_SOURCE_DIR}/data/debian/velmora.1)
add_custom_target(package_docs ALL DEPENDS ${VELMORA_CHANGELOG_GZ} ${VELMORA_MANPAGE_GZ})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${VELMORA_CHANGELOG_GZ} DESTINATION ${VELMORA_DOC_DIR})
install(FILES ${VELMORA_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <support@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the meanings of tarot cards")
set(CPACK_PACKAGE_DESCRIPTION "Velmora teaches the meanings of the 78 tarot cards: memorize the cards of a
deck with their keywords and meanings, take keyword or description tests at
three levels, design and share decks of your own and keep personal goals.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.example/)
# The libraries' packages from the linked libraries; the window system's
# plugins are only a recommendation of Qt's, but the program needs them.
# Qt's own translations give the message boxes and file dialogs the
# interface's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The libraries the program loads when it first calls into them are not among
# those it is linked with, where dpkg-shlibdeps looks: their packages come
# from the installed packages' shlibs files, as dpkg-shlibdeps would take them.
file(GLOB VELMORA_SHLIBS_FILES /var/lib/dpkg/info/*.shlibs)
foreach(soname ${VELMORA_SQLCIPHER_SONAME} ${VELMORA_ZIP_SONAME} ${VELMORA_CRYPTO_SONAME})
  string(REGEX REPLACE "^(.+)\\.so\\.(.+)$" "\\1 \\2 " shlibs_key "${soname}")
  set(package "")
  foreach(shlibs IN LISTS VELMORA_SHLIBS_FILES)
    file(STRINGS ${shlibs} entries REGEX "^${shlibs_key}")
    if(entries)
      list(GET entries 0 entry)
      string(LENGTH "${shlibs_key}" key_length)
      string(SUBSTRING "${entry}" ${key_length} -1 package)
      break()
    endif()
  endforeach()
  if(package)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${package}")
  else()
    message(WARNING "no installed package's shlibs file names ${soname}; the package will not depend on it")
  endif()
endforeach()
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
