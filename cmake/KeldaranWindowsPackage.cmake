# The Windows downloads: `cmake --build --preset windows --target windows_package` gives
# keldaran-<version>-win64.zip (a folder that runs where it is unpacked) and
# keldaran-<version>-setup.exe (the per-user installer) in the build folder.
find_program(KELDARAN_MAKENSIS makensis REQUIRED)
find_program(KELDARAN_OBJDUMP ${KELDARAN_MINGW_TRIPLE}-objdump REQUIRED)
find_program(KELDARAN_STRIP ${KELDARAN_MINGW_TRIPLE}-strip REQUIRED)

# The compiler's own runtime (libgcc_s_seh, libstdc++) sits beside its libraries, winpthread and
# zlib in the MinGW sysroot.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE libstdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(KELDARAN_MINGW_RUNTIME_DIR ${libstdcxx_dll} DIRECTORY)
set(KELDARAN_WINDOWS_DLL_DIRS
  ${KELDARAN_WINDOWS_QT}/bin ${KELDARAN_MINGW_RUNTIME_DIR} /usr/${KELDARAN_MINGW_TRIPLE}/lib /usr/${KELDARAN_MINGW_TRIPLE}/bin)

set(package_base keldaran-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/${package_base})
set(zip ${CMAKE_BINARY_DIR}/${package_base}.zip)
set(setup ${CMAKE_BINARY_DIR}/keldaran-${PROJECT_VERSION}-setup.exe)
set(files_nsh ${CMAKE_BINARY_DIR}/nsis-files.nsh)
set(unfiles_nsh ${CMAKE_BINARY_DIR}/nsis-unfiles.nsh)

add_custom_command(
  OUTPUT ${zip} ${setup}
  COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:keldaran> -DQT_PREFIX=${KELDARAN_WINDOWS_QT}
          -DSTAGE=${stage} -DOBJDUMP=${KELDARAN_OBJDUMP} -DSTRIP=${KELDARAN_STRIP}
          "-DSEARCH_DIRS=${KELDARAN_WINDOWS_DLL_DIRS}"
          -DNSIS_FILES=${files_nsh} -DNSIS_UNFILES=${unfiles_nsh}
          -P ${PROJECT_SOURCE_DIR}/cmake/KeldaranWindowsDeploy.cmake
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_base}
  COMMAND ${KELDARAN_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
          -DVERSION_QUAD=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0
          -DSTAGE_FILES=${files_nsh} -DSTAGE_UNFILES=${unfiles_nsh} -DICON=${KELDARAN_WINDOWS_ICO}
          -DOUTFILE=${setup} ${PROJECT_SOURCE_DIR}/data/windows/keldaran.nsi
  DEPENDS keldaran ${PROJECT_SOURCE_DIR}/cmake/KeldaranWindowsDeploy.cmake
          ${PROJECT_SOURCE_DIR}/data/windows/keldaran.nsi ${KELDARAN_WINDOWS_ICO}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing ${package_base}.zip and keldaran-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
add_custom_target(windows_package DEPENDS ${zip} ${setup})
