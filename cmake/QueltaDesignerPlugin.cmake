# The Qt Designer plugin that puts Quelta's field in Designer's widget box, and its test:
# only where Qt's Designer modules are installed (Debian: qt6-tools-dev), so that the widget
# and everything else build as before without them. Included where the Qt widget is built.
find_package(Qt6 COMPONENTS UiPlugin UiTools QUIET)
if(NOT (Qt6UiPlugin_FOUND AND Qt6UiTools_FOUND))
  message(STATUS "Qt's Designer modules (qt6-tools-dev) are not installed: "
                 "the Designer plugin and its test are left out")
  return()
endif()

# A plugin is a shared module carrying the widget and every layer under it, so those layers
# are compiled as position-independent code; the programs and static libraries made of them
# link as before.
set_target_properties(quelta_platform quelta_control quelta_front quelta_form quelta_view
  quelta_qt PROPERTIES POSITION_INDEPENDENT_CODE ON)

file(GLOB designer_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/qt/designer/*.cpp
     ${PROJECT_SOURCE_DIR}/src/qt/designer/*.h ${PROJECT_SOURCE_DIR}/src/qt/designer/*.qrc)
add_library(quelta_designer MODULE ${designer_sources})
# A folder of its own, which is the plugin path Designer or QUiLoader is given in a build.
set_target_properties(quelta_designer PROPERTIES AUTOMOC ON AUTORCC ON
  LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/designer)
target_link_libraries(quelta_designer PRIVATE quelta_qt Qt6::UiPlugin)
# Only Qt's plugin entry points leave the module; the layers' symbols stay inside it.
target_link_options(quelta_designer PRIVATE -Wl,--exclude-libs,ALL)

# Designer looks for plugins in the designer/ folder of each of Qt's plugin folders. The
# plugin installs to Qt's plugin folder as Qt names it relative to its own prefix
# (QT6_INSTALL_PLUGINS), taken relative to Quelta's install prefix: installed with Qt's prefix
# (/usr on Debian, as the Debian package is) that is the folder Designer already searches, and
# under any other prefix (~/.local, a scratch folder) nothing is written outside the prefix
# and Designer finds the plugin once QT_PLUGIN_PATH names <prefix>/<that folder>. An absolute
# path (Qt's own folder whatever the prefix) would need root for every install and break
# `cmake --install --prefix`.
if(NOT QT6_INSTALL_PLUGINS)
  set(QT6_INSTALL_PLUGINS ${CMAKE_INSTALL_LIBDIR}/qt6/plugins)
endif()
set(QUELTA_DESIGNER_PLUGIN_DIR ${QT6_INSTALL_PLUGINS}/designer CACHE STRING
    "Where the Qt Designer plugin installs, relative to the install prefix")
install(TARGETS quelta_designer LIBRARY DESTINATION ${QUELTA_DESIGNER_PLUGIN_DIR}
  COMPONENT Development)

if(QUELTA_TESTS)
  # Not linked with the widget: every field the test sees comes from the plugin.
  add_executable(FieldWidgetPluginTest ${PROJECT_SOURCE_DIR}/tests/qt/designer/FieldWidgetPluginTest.cpp)
  set_target_properties(FieldWidgetPluginTest PROPERTIES AUTOMOC ON)
  target_link_libraries(FieldWidgetPluginTest PRIVATE Qt6::UiTools Qt6::UiPlugin Qt6::Test)
  target_compile_definitions(FieldWidgetPluginTest PRIVATE
    QUELTA_DESIGNER_PLUGIN_DIR="$<TARGET_FILE_DIR:quelta_designer>"
    QUELTA_ORDER_UI="${PROJECT_SOURCE_DIR}/examples/qt-form/order.ui")
  add_dependencies(FieldWidgetPluginTest quelta_designer)
  add_test(NAME FieldWidgetPluginTest COMMAND FieldWidgetPluginTest)
  set_tests_properties(FieldWidgetPluginTest PROPERTIES TIMEOUT 120
    ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
