# SPDX-License-Identifier: MIT
# What `cmake --install` lays out beside the program (menu entry, AppStream
# data, icons, manual page, licence and changelog), and the Debian package
# CPack makes of it (`make package`). The version is project()'s.

install(FILES resources/io.github.lexidor.Lexidor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/io.github.lexidor.Lexidor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES resources/icons/hicolor/${size}x${size}/apps/lexidor.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES resources/icons/hicolor/scalable/apps/lexidor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the changelog carry the version; both are installed
# compressed, without a time stamp in the gzip header (same bytes each build).
# The changelog and the copyright file are Debian formats: their SPDX line
# is dropped on the way.
set(lexidor_docs_dir ${PROJECT_BINARY_DIR}/docs)
configure_file(resources/lexidor.1.in ${lexidor_docs_dir}/lexidor.1 @ONLY)
foreach(file changelog.in copyright)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS resources/debian/${file})
  file(READ resources/debian/${file} text)
  string(REGEX REPLACE "^# SPDX[^\n]*\n" "" text "${text}")
  string(REGEX REPLACE "\\.in$" "" name ${file})
  file(CONFIGURE OUTPUT ${lexidor_docs_dir}/${name} CONTENT "${text}" @ONLY)
endforeach()
add_custom_command(
  OUTPUT ${lexidor_docs_dir}/lexidor.1.gz ${lexidor_docs_dir}/changelog.gz
  COMMAND gzip -9 -n -f -k lexidor.1 changelog
  DEPENDS ${lexidor_docs_dir}/lexidor.1 ${lexidor_docs_dir}/changelog
  WORKING_DIRECTORY ${lexidor_docs_dir}
  COMMENT "Compressing the manual page and the changelog"
  VERBATIM)
add_custom_target(lexidor_docs ALL DEPENDS ${lexidor_docs_dir}/lexidor.1.gz ${lexidor_docs_dir}/changelog.gz)
install(FILES ${lexidor_docs_dir}/lexidor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${lexidor_docs_dir}/copyright ${lexidor_docs_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lexidor)

# --- The Debian package -----------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexidor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lexidor maintainers <maintainers@users.noreply.c-seed-55a8725d.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries dpkg-shlibdeps finds: the window is laid out for
# Liberation Sans (metric-compatible with the classic dialog font); with any
# other font its label no longer fits.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spanish glossary of nuclear-emergency terms")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lexidor is a small desktop glossary of 61 nuclear-emergency terms in
Spanish: radiation units, dose, emergency plans, response groups and
command centres. Type a term, or pick it from the alphabetical list that
follows your typing, and its definition appears beside the list.")
include(CPack)

# The package: its files, lintian, and the version the program prints.
# (Not in the sanitizer tree: nobody ships that build.) lintian runs in a
# private session: it keeps its work files in the home and the temporary
# folder.
if(LEXIDOR_TESTS AND TARGET lexidor AND NOT LEXIDOR_SANITIZE)
  add_test(NAME package.deb
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/private-session.sh --
                   bash ${PROJECT_SOURCE_DIR}/tests/package/check-deb.sh ${PROJECT_BINARY_DIR}
                   ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/resources)
  set_tests_properties(package.deb PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
