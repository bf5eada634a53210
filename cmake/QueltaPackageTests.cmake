# Tests of Quelta as people install it: the package installed into a scratch prefix, its
# headers each compiled alone, the examples built against it and run, pkg-config's flags,
# and the Debian packages' contents.
add_test(NAME InstalledPackage
  COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/install-test ${PROJECT_BINARY_DIR}
          ${PROJECT_SOURCE_DIR} ${CMAKE_CXX_COMPILER})
set_tests_properties(InstalledPackage PROPERTIES TIMEOUT 600)
add_test(NAME DebianPackages
  COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/deb-test ${PROJECT_BINARY_DIR})
set_tests_properties(DebianPackages PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
# The libraries built shared, in a folder of their own (build/shared): what they export, and
# the examples run against them. It builds without sanitizers whatever this build uses, so
# the sanitizer build leaves it to the plain one rather than compile it all again.
if(NOT QUELTA_SANITIZE)
  add_test(NAME SharedLibraries
    COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/shared-test ${PROJECT_SOURCE_DIR}
            ${PROJECT_BINARY_DIR}/shared ${CMAKE_CXX_COMPILER})
  set_tests_properties(SharedLibraries PROPERTIES TIMEOUT 1500)
endif()
