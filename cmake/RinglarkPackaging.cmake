# The Debian package, built by scripts/package.sh with `cpack -G DEB`.
set(CPACK_PACKAGE_NAME ringlark)
set(CPACK_PACKAGE_VENDOR Veltrano)
# 1.0.0: the project version's fourth part is for the Windows version record only.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
# The summary is the project's description.
set(CPACK_PACKAGE_DESCRIPTION "Pick a song, play it, mark a start and an end while you listen, and
save the bytes between the two marks as a new MP3 file. Nothing is decoded or
re-encoded, so the cut is instant.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER Veltrano)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# dpkg-shlibdeps finds the libraries the program links (Qt 6, libmpg123, SDL2, the C++ runtime).
# It cannot see what is loaded at run time: Qt's xcb platform plugin, and a font for the Chinese
# captions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")

include(CPack)
