# The release package of the Windows build: a ZIP with the module in a folder of its own,
# ready to be copied into the host's plug-in folder, and the text that says how. Made by
# `cmake --build build-win32 --target package` or `cpack --config build-win32/CPackConfig.cmake`;
# the archive lands in the build folder.
if(NOT WIN32)
  return()
endif()

install(TARGETS ZarvelModule RUNTIME DESTINATION Zarvel COMPONENT plugin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/INSTALL.txt DESTINATION . COMPONENT plugin)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Zarvel)
set(CPACK_PACKAGE_VENDOR Zarvel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Right-to-left and complex-script text panel")
set(CPACK_PACKAGE_FILE_NAME Zarvel-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Only the plug-in's own files, whatever else the build may install.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Zarvel;plugin;/")
include(CPack)
