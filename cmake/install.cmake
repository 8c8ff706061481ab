# What `cmake --install` puts under the prefix, and the Debian package CPack
# makes of it (`cpack -G DEB` in the build folder). Installed, the program keeps
# its settings, language files and pages in the user's folders (ProgramFolder).
set(desktop_files ${CMAKE_SOURCE_DIR}/resources/desktop)

install(TARGETS quillnest RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS quillnest_browser LIBRARY DESTINATION ${QUILLNEST_MODULE_INSTALL_DIR})

# The application icon: the drawing, and the sizes drawn from it for desktops
# that want pictures.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pictures)
foreach(size 16 22 24 32 48 64 128 256)
  set(picture ${CMAKE_BINARY_DIR}/icons/${size}x${size}/quillnest.png)
  add_custom_command(OUTPUT ${picture}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
                     COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${picture}
                             ${desktop_files}/quillnest.svg
                     DEPENDS ${desktop_files}/quillnest.svg VERBATIM)
  list(APPEND icon_pictures ${picture})
  install(FILES ${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(quillnest_icons ALL DEPENDS ${icon_pictures})
install(FILES ${desktop_files}/quillnest.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(metainfo ${CMAKE_BINARY_DIR}/org.example.Quillnest.metainfo.xml)
configure_file(${desktop_files}/org.example.Quillnest.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${desktop_files}/quillnest.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_files}/quillnest.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The validators of the desktop entry and the metainfo, where they are installed
# (scripts/deps.sh installs them).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
  add_test(NAME desktop_files_valid
           COMMAND ${CMAKE_COMMAND} -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
                   -DAPPSTREAMCLI=${APPSTREAMCLI} -DDESKTOP_ENTRY=${desktop_files}/quillnest.desktop
                   -DMETAINFO=${metainfo} -P ${CMAKE_SOURCE_DIR}/tests/check_desktop_files.cmake)
endif()

set(CPACK_PACKAGE_NAME quillnest)
set(CPACK_PACKAGE_VENDOR "The Quillnest authors")
set(CPACK_PACKAGE_CONTACT "Quillnest <quillnest@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Task outliner")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps one document as a tree of task items, each with a title, a text, a date, a percentage done and a priority, and shows reports of them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from what the program and its module link; the window
# system's plugin is loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcups2: loaded when printing, so the library scan does not find it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcups2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
