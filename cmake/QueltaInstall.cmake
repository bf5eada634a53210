# What `cmake --install` and cpack install: the library, the public headers, the CMake package
# (QueltaConfig.cmake, its version file and the exported targets), the pkg-config file and the
# program. Only include/quelta/ installs: everything under src/ stays inside the library.

include(CMakePackageConfigHelpers)

set(QUELTA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quelta)

install(TARGETS quelta_lib EXPORT QueltaTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development)
install(TARGETS quelta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
# The Qt widget's headers install with the Qt library, where Qt is found.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/quelta ${PROJECT_BINARY_DIR}/include/quelta
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development
  FILES_MATCHING PATTERN "*.h" PATTERN qt EXCLUDE)

install(EXPORT QueltaTargets NAMESPACE Quelta:: DESTINATION ${QUELTA_CMAKE_DIR}
  COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QueltaConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QueltaConfig.cmake INSTALL_DESTINATION ${QUELTA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QueltaConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QueltaConfig.cmake ${PROJECT_BINARY_DIR}/QueltaConfigVersion.cmake
  DESTINATION ${QUELTA_CMAKE_DIR} COMPONENT Development)

# pkg-config: a static library brings what it links with to every consumer; a shared one
# keeps them to itself.
set(QUELTA_PC_DEPENDENCIES "icu-uc icu-i18n freetype2 fontconfig")
if(BUILD_SHARED_LIBS)
  set(QUELTA_PC_REQUIRES "")
  set(QUELTA_PC_REQUIRES_PRIVATE "${QUELTA_PC_DEPENDENCIES}")
else()
  set(QUELTA_PC_REQUIRES "${QUELTA_PC_DEPENDENCIES}")
  set(QUELTA_PC_REQUIRES_PRIVATE "")
endif()
set(QUELTA_PC_LIBS_EXTRA "-pthread")
if(QUELTA_SANITIZE)
  string(APPEND QUELTA_PC_LIBS_EXTRA " -fsanitize=address,undefined")
endif()
# The prefix is found from the file's own place, so that the package moves with its prefix
# (`cmake --install --prefix`, a scratch folder, a Debian package).
file(RELATIVE_PATH QUELTA_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/quelta.pc.in ${PROJECT_BINARY_DIR}/quelta.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/quelta.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT Development)
