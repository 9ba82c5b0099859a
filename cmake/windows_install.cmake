# Windows: the install rules put beside ft817clone.exe what it needs on a
# machine without Qt or MinGW (what windeployqt does, which a cross build
# cannot run): the Qt DLLs, the platform, style and image format plugins, and
# MinGW's C++ runtime. `cpack -G NSIS` makes ft817clone-<version>-win64.exe (a
# Start-menu entry with the program's icon and an uninstaller), `cpack -G ZIP`
# a portable zip of the same files.
install(TARGETS ft817clone RUNTIME DESTINATION .)
foreach(module Core Gui Widgets SerialPort)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QGifPlugin> $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
# The compiler knows where its own runtime lies.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE dll_path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  file(REAL_PATH "${dll_path}" dll_path)
  install(FILES "${dll_path}" DESTINATION .)
endforeach()

set(CPACK_PACKAGE_NAME ft817clone)
set(CPACK_PACKAGE_VENDOR ft817clone)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory editor and clone tool for the Yaesu FT-817, FT-817ND and FT-818")
set(CPACK_PACKAGE_FILE_NAME ft817clone-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ft817clone)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ft817clone)
set(CPACK_PACKAGE_EXECUTABLES ft817clone ft817clone)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_DISPLAY_NAME ft817clone)
set(CPACK_NSIS_PACKAGE_NAME ft817clone)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/ft817clone.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/ft817clone.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME ft817clone.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# Installs into the user's own programs folder (%LOCALAPPDATA%\Programs),
# without an administrator's rights; an administrator's Start-menu entry is
# for every user. ($LOCALAPPDATA would name the shared folder for an administrator.)
set(CPACK_NSIS_INSTALL_ROOT "$PROFILE\\\\AppData\\\\Local\\\\Programs")
# A 64-bit installer, like the program (wine without its 32-bit part runs it too).
set(CPACK_NSIS_DEFINES "RequestExecutionLevel user\nTarget amd64-unicode")
include(CPack)
