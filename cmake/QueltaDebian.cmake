# Debian packages: `cpack -G DEB` in the build folder makes quelta (the program, and the
# shared libraries when there are) and quelta-dev (headers, static libraries, CMake package,
# pkg-config file; the Qt widget's too where Qt is found).
set(CPACK_PACKAGE_NAME quelta)
set(CPACK_PACKAGE_VENDOR "The Quelta developers")
set(CPACK_PACKAGE_CONTACT "Quelta developers <quelta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME quelta)
# The program's libraries as dpkg-shlibdeps finds them, where it is installed (dpkg-dev).
find_program(QUELTA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUELTA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "libfreetype6, libfontconfig1, libncursesw6")
endif()
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME quelta-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "quelta (= ${PROJECT_VERSION}), libicu-dev, libfreetype-dev, libfontconfig-dev")
# With the Qt widget, quelta-dev holds Quelta::qt, whose users build with Qt's headers and
# link Qt's libraries.
if(TARGET quelta_qt_lib)
  string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS ", qt6-base-dev")
  if(NOT QUELTA_DPKG_SHLIBDEPS)
    string(APPEND CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS ", libqt6widgets6")
  endif()
endif()
set(CPACK_COMPONENTS_ALL Runtime Development)
include(CPack)
