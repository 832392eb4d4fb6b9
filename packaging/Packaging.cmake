# CPack: two Debian packages from the install components.
#   tillmate      (component console): the console, its emulator in the private library folder,
#                 desktop entry, icons, metainfo, man pages
#   tillmate-dev  (component dev): tillcore.h, the libtillcore.so link and tillcore.pc
# `cpack -G DEB --config build/CPackConfig.cmake` in any folder writes them there.
set(CPACK_PACKAGE_NAME tillmate)
set(CPACK_PACKAGE_VENDOR "Dravik Engineering SIA")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TILLMATE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TILLMATE_HOMEPAGE})
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL console dev)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TILLMATE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_DEBIAN_CONSOLE_PACKAGE_NAME tillmate)
set(CPACK_DEBIAN_CONSOLE_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_CONSOLE_DESCRIPTION "service console for Quenta fiscal modules
Tillmate is a one-window desktop console with which a service engineer
configures, exercises and inspects a Quenta fiscal module: the fiscal unit of
a cash register, with its receipt printer, cash drawer, customer display,
electronic journal and fuel, tank and pump tables.

The package includes an emulator of the module as the device library
libtillcore.so.1, so the console does its whole job on any machine. Another
build of the library placed on LD_LIBRARY_PATH takes its place.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME tillmate-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "tillmate (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEV_DESCRIPTION "Tillmate device library - development files
The header tillcore.h (the C interface of the Quenta fiscal module's device
library, with the protocol's information and result codes), the link to the
module emulator and the pkg-config file tillcore.pc, for building and testing
till software against the emulator that ships with Tillmate. Programs built
with pkg-config's flags for tillcore find the emulator through their run path.")

include(CPack)
