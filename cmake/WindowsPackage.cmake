# Windows Kelo as players get it: kelo.exe with its icon and version, the Qt libraries and
# plugins it uses, the compiler's runtime and Qt's Russian texts, in a per-user installer
# and a zip. The libraries are found from the binaries' imports, never listed by hand.

# The icon in the sizes Windows shows it (16 in lists, 32 on the desktop, 256 in Explorer).
set(KELO_ICO ${CMAKE_CURRENT_BINARY_DIR}/kelo.ico)
set(kelo_icon_pictures
  ${PROJECT_SOURCE_DIR}/assets/shell/kelo-16.png ${PROJECT_SOURCE_DIR}/assets/shell/kelo.png
  ${PROJECT_SOURCE_DIR}/assets/shell/kelo@2x.png ${PROJECT_SOURCE_DIR}/assets/shell/kelo-256.png)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${KELO_ICO}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/packaging/windows/make-ico.py ${KELO_ICO} ${kelo_icon_pictures}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/make-ico.py ${kelo_icon_pictures}
  COMMENT "Making kelo.ico")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kelo.rc.in ${CMAKE_CURRENT_BINARY_DIR}/kelo.rc @ONLY)
add_custom_target(kelo_icon DEPENDS ${KELO_ICO})
add_dependencies(kelo kelo_icon)
target_sources(kelo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kelo.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/kelo.rc TARGET_DIRECTORY kelo
                            PROPERTIES OBJECT_DEPENDS ${KELO_ICO})
# A windowed program: no console window opens beside it.
set_target_properties(kelo PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS kelo RUNTIME DESTINATION .)
# The plugins Kelo needs: the platform, the JPEG recipe pictures, the native style.
foreach(plugin platforms:QWindowsIntegrationPlugin imageformats:QJpegPlugin styles:QWindowsVistaStylePlugin)
  string(REPLACE ":" ";" plugin "${plugin}")
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${folder})
  list(APPEND kelo_plugin_files "${folder}/$<TARGET_FILE_NAME:Qt6::${target}>")
endforeach()
# Qt's Russian texts (file dialogs, context menus, message box buttons), the same file on
# every platform.
find_file(KELO_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)
if(KELO_QTBASE_RU)
  install(FILES ${KELO_QTBASE_RU} DESTINATION translations)
else()
  message(WARNING "qtbase_ru.qm not found (Debian: qt6-translations-l10n): Qt's own texts stay English")
endif()

# Every DLL that kelo.exe and the plugins import, found in Qt's and the compiler's folders;
# the ones found nowhere there are Windows' own.
get_target_property(kelo_qtcore_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT kelo_qtcore_dll)
  get_target_property(kelo_qtcore_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(kelo_qt_bin "${kelo_qtcore_dll}" DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE kelo_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(kelo_gcc_dlls "${kelo_libstdcxx}" DIRECTORY)
set(kelo_runtime_folders "${kelo_qt_bin}" "${kelo_gcc_dlls}" "/usr/${KELO_MINGW_TRIPLE}/lib")
find_program(KELO_OBJDUMP NAMES ${KELO_MINGW_TRIPLE}-objdump REQUIRED)
find_program(KELO_STRIP NAMES ${KELO_MINGW_TRIPLE}-strip REQUIRED)
install(CODE "
  set(KELO_OBJDUMP \"${KELO_OBJDUMP}\")
  set(KELO_STRIP \"${KELO_STRIP}\")
  set(KELO_DLL_FOLDERS \"${kelo_runtime_folders}\")
  set(KELO_PLUGINS \"${kelo_plugin_files}\")
")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/DeployWindowsDlls.cmake)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_VENDOR "Kelo team")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kelo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kelo)
set(CPACK_NSIS_PACKAGE_NAME Kelo)
set(CPACK_NSIS_DISPLAY_NAME Kelo)
set(CPACK_NSIS_INSTALLED_ICON_NAME kelo.exe)
set(CPACK_NSIS_MUI_ICON ${KELO_ICO})
set(CPACK_NSIS_MUI_UNIICON ${KELO_ICO})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# Our own installer script (packaging/windows/NSIS.template.in): per user, no admin rights.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/CPackNames.cmake)
