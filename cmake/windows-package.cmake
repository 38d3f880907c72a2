# The Windows packages, made by `cpack` in the build folder: an installer for
# the user who runs it (no administrator: a teacher on a school PC seldom is
# one) and a zip to run from a USB stick or the desktop. Both hold the
# program, a read-me and the licence, in one folder the user can write, as
# the report is written beside the program.

# UTF-8 with a byte-order mark, CR LF: Notepad reads it so on any code page,
# and so does the installer's licence page.
string(ASCII 239 187 191 utf8_bom)
configure_file(packaging/windows/README.txt.in package/README.txt @ONLY NEWLINE_STYLE CRLF)
# The licence notice as plain text: the copyright file's form without its
# leading spaces and its "." for an empty line.
string(REPLACE "\n .\n" "\n\n" licence "${KULBO_LICENSE_NOTICE}")
string(REGEX REPLACE "(^|\n) " "\\1" licence "${licence}")
string(SUBSTRING ${KULBO_RELEASE_DATE} 0 4 year)
file(CONFIGURE OUTPUT package/LICENSE.txt NEWLINE_STYLE CRLF @ONLY
  CONTENT "${utf8_bom}Kulbo ${PROJECT_VERSION}\nCopyright ${year} ${KULBO_VENDOR}\n\n${licence}\n")

install(TARGETS kulbo RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt ${CMAKE_BINARY_DIR}/package/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Kulbo)
set(CPACK_PACKAGE_VENDOR ${KULBO_VENDOR})
set(CPACK_PACKAGE_FILE_NAME Kulbo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kulbo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${KULBO_APP_ID})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/package/LICENSE.txt)
# The installer takes the files as they are; the zip puts them in a folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
# Our own installer script (per user, Chinese, 64-bit), in packaging/windows.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging/windows)
set(CPACK_NSIS_MUI_ICON ${KULBO_PICTURES}/kulbo.ico)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${KULBO_PICTURES}/installer.bmp)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
include(CPack)
