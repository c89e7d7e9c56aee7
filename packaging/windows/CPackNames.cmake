# The file names players download: kelo-<version>-win64-setup.exe and kelo-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "kelo-${CPACK_PACKAGE_VERSION}-win64-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "kelo-${CPACK_PACKAGE_VERSION}-win64")
endif()
