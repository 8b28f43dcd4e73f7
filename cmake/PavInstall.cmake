# Installing and packaging. The programs go to bin/, their data (the start
# picture and the gallery's category folders) to share/pavlenta/, where
# base/ProgramFolder finds it from bin/; a desktop gets its menu entry, icons,
# AppStream metadata and the manual pages. scripts/package makes the .deb.

include(GNUInstallDirs)

set(PAV_APP_ID org.pavlenta.Pavlenta)
set(PAV_SCREENSHOT_URL "https://pavlenta.example/screenshots/chart-window.png" CACHE STRING
    "Web address of docs/screenshots/chart-window.png, for the AppStream metadata")
set(pav_data_dir ${CMAKE_INSTALL_DATADIR}/pavlenta)

install(TARGETS pavlenta pavlenta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/assets/logo.dll DESTINATION ${pav_data_dir})
file(GLOB pav_gallery_entries LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/assets/gallery/*)
foreach(entry ${pav_gallery_entries})
    if(IS_DIRECTORY ${entry})
        install(DIRECTORY ${entry} DESTINATION ${pav_data_dir})
    endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/pavlenta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${PAV_APP_ID}.desktop)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/pavlenta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/pavlenta-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME pavlenta.png)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/packaging/${PAV_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${PAV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${PAV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages go compressed, as Debian keeps them.
set(pav_man_pages)
foreach(page pavlenta pavlenta-cli)
    set(compressed ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${page}.1 > ${compressed}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page}.1
        COMMENT "Compressing the manual page ${page}.1")
    list(APPEND pav_man_pages ${compressed})
endforeach()
add_custom_target(pav_man_pages ALL DEPENDS ${pav_man_pages})
install(FILES ${pav_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence of every installed file, in Debian's machine-readable form.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/assets/logo.dll.license
        ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pavlenta)

# The Debian package: library dependencies come from dpkg-shlibdeps; what the
# program loads at run time without linking it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pavlenta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pavlenta")
set(CPACK_PACKAGE_CONTACT "Pavlenta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a picture into a counted cross-stitch chart")
set(CPACK_PACKAGE_DESCRIPTION "Pavlenta lays a picture onto a fabric of at most 230 x 250 stitches, \
reduces its colours with an ordered dither, matches every stitch to one of 423 DMC threads and draws \
the chart sheet with a legend of stitch counts. The sheet is saved as BMP, exported as PDF or printed. \
The user interface is in Chinese; pavlenta-cli makes charts from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin, Qt's Chinese dialogs, the chart's Song typeface and
# the metric-compatible Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-uming, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
