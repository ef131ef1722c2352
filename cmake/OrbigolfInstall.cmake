# Installation and the Debian package.
#
# The layout is the one the game looks in when it finds no data beside itself
# (src/frontend/data_folder.h): the programs in bin/, the content set in share/orbigolf/.
# It is fixed for that reason rather than taken from GNUInstallDirs. The content builder is
# not installed: it builds from the sources in content/, which are not.

foreach(program orbigolf orbigolf-sim orbigolf-assets)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION bin)
    endif()
endforeach()
if(TARGET content)
    install(DIRECTORY ${ORBIGOLF_CONTENT_SET_DIR}/ DESTINATION share/orbigolf)
endif()
if(TARGET icons)
    install(DIRECTORY ${ORBIGOLF_ICON_DIR}/ DESTINATION share/icons)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/orbigolf.desktop DESTINATION share/applications)

# `cpack` (or the `package` target) in a build folder makes orbigolf_<version>_<arch>.deb.
set(ORBIGOLF_PACKAGE_MAINTAINER "Orbigolf developers <orbigolf@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

# The game opens SDL and FFmpeg's libraries by file name when it first needs them, so
# dpkg-shlibdeps, which reads what the programs are linked against, cannot see them. Their
# Debian packages are named after the libraries' major versions, the same numbers the file
# names the game opens carry.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ORBIGOLF_RUNTIME_FFMPEG REQUIRED libavformat libavcodec libswscale libswresample libavutil)
set(ORBIGOLF_RUNTIME_PACKAGES libsdl2-2.0-0)
foreach(library avformat avcodec swscale swresample avutil)
    string(REGEX MATCH "^[0-9]+" major "${ORBIGOLF_RUNTIME_FFMPEG_lib${library}_VERSION}")
    list(APPEND ORBIGOLF_RUNTIME_PACKAGES lib${library}${major})
endforeach()
list(JOIN ORBIGOLF_RUNTIME_PACKAGES ", " ORBIGOLF_RUNTIME_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbigolf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orbigolf developers")
set(CPACK_PACKAGE_CONTACT "${ORBIGOLF_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "space-themed mini-golf game for one to four players")
set(CPACK_PACKAGE_DESCRIPTION
    "Putt across floating platforms in deep space, past walls, slopes, sand, water,\n"
    "springs, fans, pipes, teleports and cannons, and hole out in as few strokes as\n"
    "you can. One to four players take turns at one computer. The package holds the\n"
    "game with its own free content set (holes, pictures, sounds, music and movies)\n"
    "and the tools orbigolf-sim (plays a hole headlessly) and orbigolf-assets\n"
    "(inspects and converts the game's data files).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORBIGOLF_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ORBIGOLF_RUNTIME_DEPENDS}")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")
include(CPack)
