# cpack makes a Debian package of what cmake --install installs, under /usr.
set(CPACK_GENERATOR "DEB" CACHE STRING "Package kinds cpack makes")
set(CPACK_PACKAGE_NAME "pixmint")
set(CPACK_PACKAGE_VENDOR "Kavoltrix")
set(CPACK_PACKAGE_CONTACT "Pixmint <pixmint@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pixmint.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Windows icon and cursor files")
set(CPACK_PACKAGE_DESCRIPTION
    "Pixmint creates and edits Windows icon (.ico) and cursor (.cur) files:
every image of a file at its own size and colour depth, with drawing tools,
selections, undo, the transparency mask and the alpha channel. Its
command-line tool pixmint-cli reads, writes, converts and extracts icons and
cursors without a window, and draws the thumbnails file managers show.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# The entries name the programs by absolute paths written while installing;
# installing through DESTDIR keeps those paths the package's own (/usr/...)
# instead of cpack's staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
# The libraries the programs link come from dpkg-shlibdeps, with the versions
# the build saw; the Chinese window texts need a CJK font, Qt's own dialogs
# (open, save, colours) its translations, and Wayland sessions Qt's Wayland
# platform.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
include(CPack)
