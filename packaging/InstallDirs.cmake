# Install folders: GNUInstallDirs, with Debian's multiarch library folder also under /usr/local and
# ~/.local, so `cmake --install` and the Debian packages lay the files out alike.
# Set once per build folder (an older cache may hold GNUInstallDirs' "lib" from before); a value
# given later with -DCMAKE_INSTALL_LIBDIR stays.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT TILLMATE_LIBDIR_CHOSEN)
  set(CMAKE_INSTALL_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}" CACHE PATH "Object code libraries (LIBDIR)" FORCE)
  set(TILLMATE_LIBDIR_CHOSEN ON CACHE INTERNAL "CMAKE_INSTALL_LIBDIR was set to the multiarch folder")
endif()
include(GNUInstallDirs)

# The console loads libtillcore.so.1 by its soname. The emulator that ships with it lives in a
# private folder that the console's run path (RUNPATH, searched after LD_LIBRARY_PATH) names, so
# the installed console finds it without environment variables and LD_LIBRARY_PATH still puts
# another build of the library first.
set(TILLMATE_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/tillmate")

# The application id names the desktop entry, the metainfo and the icons.
set(TILLMATE_APP_ID example.tillmate.Tillmate)

# An install() rule that names no component goes into the console's package.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME console)
