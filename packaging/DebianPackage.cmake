# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --build build --target package` makes glimmerset_<version>_amd64.deb from the install
# rules. Its Depends are worked out by dpkg-shlibdeps from the programs' libraries; only what
# Qt loads as a plugin, which no linker sees, is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimmerset)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Glimmerset")
set(CPACK_PACKAGE_CONTACT "Glimmerset developers <glimmerset@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compress photos and edit their metadata in copies")
set(CPACK_PACKAGE_DESCRIPTION
"Glimmerset is a desktop photo tool with two jobs. It re-encodes JPEG and PNG
photos with strong compression, into an output folder or over the sources,
lists each result with its old and new size and can scale the results to
preset sizes. Its metadata editor writes copies of photos without their
Exif, GPS or IPTC data, with new capture dates, file dates or GPS positions
(chosen on an offline world map), or with artist, keywords and other details
typed once for many photos. Metadata and templates are exchanged with
property-list files. Photos come from files, folders, cameras and phones
(libgphoto2) and copied photo libraries.

The package also holds glimmerset-cli, which runs the same jobs without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/glimmerset/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# TIFF and WebP photos are read through Qt's image-format plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gphoto2")
# Files and folders get Debian's modes whatever the umask of the machine that builds them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
