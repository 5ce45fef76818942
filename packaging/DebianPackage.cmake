# `make deb`: the installed tree as a Debian package (CPack's DEB generator) in the build folder,
# build/pictovia_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictovia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Pictovia developers <pictovia@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slideshow video maker: photos and music into an MP4")
set(CPACK_PACKAGE_DESCRIPTION
  "Pictovia turns photos and short text slides into a slideshow video set to\n"
  "music. Pick one of eight animated themes, a background and a style, and get\n"
  "an MP4 video in 720p, 1080p or 2160p at 30 frames per second.\n"
  "\n"
  "The package holds the desktop application and pictovia-render, which makes\n"
  "the same videos from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PICTOVIA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries, found by dpkg-shlibdeps in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no tool sees in the binaries: the QML modules the screens import (and the folder model
# Qt's own file dialog lists folders with) and the fonts the themes and screens name.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-layouts
  qml6-module-qtquick-templates qml6-module-qtquick-controls qml6-module-qtquick-dialogs
  qml6-module-qt-labs-folderlistmodel
  fonts-dejavu-core fonts-liberation2 fonts-lato fonts-open-sans)
# Chinese, Japanese and Korean screens and text slides; Qt's own dialog texts in the user's
# language; a native Wayland window (without it the window opens through XWayland).
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wqy-microhei qt6-translations-l10n qt6-wayland)
include(CPack)
