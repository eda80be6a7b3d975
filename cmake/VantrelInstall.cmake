# Installs headers, libraries and the CMake package VantrelCtls.
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT VantrelCtlsTargets
  NAMESPACE VantrelCtls::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VantrelCtls)

# The Qt widget's target names Qt6::Widgets, which a consumer must find first.
if(TARGET vantrel_qt)
  set(VANTREL_WITH_QT TRUE)
else()
  set(VANTREL_WITH_QT FALSE)
endif()
configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/VantrelCtlsConfig.cmake.in
  ${PROJECT_BINARY_DIR}/VantrelCtlsConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VantrelCtls)
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/VantrelCtlsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/VantrelCtlsConfig.cmake
  ${PROJECT_BINARY_DIR}/VantrelCtlsConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VantrelCtls)
