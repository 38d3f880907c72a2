# What `cmake --install` puts on the system, and the Debian package of it.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(KULBO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kulbo)
set(KULBO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(CPACK_PACKAGE_CONTACT "Kulbo developers <kulbo@example.org>")

include(cmake/messages.cmake)
kulbo_messages(${CMAKE_SOURCE_DIR}/src/app/messages.h ProjectorOneAndHalf ProjectorOneAndHalfEnglish ProjectorTwice
               ProjectorTwiceEnglish)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS src/app/messages.h)
configure_file(data/kulbo.desktop.in ${KULBO_APP_ID}.desktop @ONLY)
configure_file(data/kulbo.metainfo.xml.in ${KULBO_APP_ID}.metainfo.xml @ONLY)
configure_file(packaging/copyright.in copyright @ONLY)
configure_file(packaging/changelog.in changelog @ONLY)

# The installed PNGs come from the same drawing, rendered by Qt's own SVG
# renderer (as the window icon is), so no other SVG tool is needed to build.
set(icon_pngs)
foreach(size IN LISTS KULBO_ICON_SIZES)
  list(APPEND icon_pngs ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/apps/${KULBO_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_pngs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:kulbo_render_png>
          ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/kulbo.svg ${CMAKE_CURRENT_BINARY_DIR}/icons ${KULBO_APP_ID} ${KULBO_ICON_SIZES}
  DEPENDS kulbo_render_png data/icons/kulbo.svg
  COMMENT "Rendering the icon sizes")
add_custom_command(
  OUTPUT changelog.gz
  COMMAND gzip -9nc changelog > changelog.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_command(
  OUTPUT kulbo.1.gz
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/data/kulbo.1 > kulbo.1.gz
  DEPENDS data/kulbo.1)
add_custom_target(kulbo_install_files ALL DEPENDS ${icon_pngs} changelog.gz kulbo.1.gz)

install(TARGETS kulbo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) drops the compiler's notes as well, as
# Debian strips its own programs.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kulbo\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KULBO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KULBO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES data/icons/kulbo.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps RENAME ${KULBO_APP_ID}.svg)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kulbo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${KULBO_DOC_DIR})

set(CPACK_PACKAGE_NAME kulbo)
set(CPACK_PACKAGE_VENDOR "Kulbo developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws lucky numbers for a class or a company")
set(CPACK_PACKAGE_DESCRIPTION "Kulbo rolls a hidden number through a range a thousand times a second;\n\
one click takes it at that instant into a big red display. Every pick is\n\
written to a time-stamped history that can be viewed, cleared and saved as\n\
a text report in code page 936. The window is in Simplified Chinese; two\n\
menu actions enlarge it for a projector.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kulbo.example.org/)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The xcb platform plugin is only recommended by Qt's libraries; without a
# CJK font every text of the window is a row of boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-gbsn00lp | fonts-arphic-uming | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-arphic-gbsn00lp, fonts-liberation2, xdg-utils")  # Liberation Serif: proportional Latin letters
include(CPack)
