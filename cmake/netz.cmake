# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The update path, loaded by the program only when it is needed.
#
# zelmo_netz (net/): HTTPS through Qt Network (TLS by Qt's OpenSSL backend), release signatures
# through OpenSSL's EVP interface (Ed25519), ZIP archives through libzip, unpacking on a worker thread
# (Qt Concurrent). zelmo_logik stays QtCore only.
#
# zelmo_update (update/): a Qt plugin module with the update dialog and zelmo_netz. The program file
# links none of these libraries; it loads the module with QPluginLoader the first time the dialog is
# wanted (dialogs/Updatelader.*). The module uses the program's own code (dialog base, buttons,
# messages), which the program exports for it (cmake/zelmotron.exporte); so it is never linked with
# zelmo_ui itself, which would give it second copies of the program's state.
find_package(Qt6 REQUIRED COMPONENTS Network Concurrent)
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
include(GNUInstallDirs)

file(GLOB NETZ_QUELLEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/net/*.cpp ${CMAKE_SOURCE_DIR}/net/*.h)
add_library(zelmo_netz STATIC ${NETZ_QUELLEN})
set_target_properties(zelmo_netz PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(zelmo_netz PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zelmo_netz PUBLIC Qt6::Core Qt6::Network PRIVATE Qt6::Concurrent OpenSSL::Crypto PkgConfig::LIBZIP)
target_compile_options(zelmo_netz PRIVATE -Wall -Wextra)

# The dialog, also linked directly into its tests.
add_library(zelmo_update_dialog OBJECT update/UpdateDialog.cpp update/UpdateDialog.h)
set_target_properties(zelmo_update_dialog PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_include_directories(zelmo_update_dialog PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zelmo_update_dialog PUBLIC zelmo_netz Qt6::Widgets)
target_compile_options(zelmo_update_dialog PRIVATE -Wall -Wextra)

# The module: beside the program in the build folder, in <libdir>/zelmotron when installed.
set(ZELMO_UPDATEMODUL_ZIEL ${CMAKE_INSTALL_LIBDIR}/zelmotron)
file(RELATIVE_PATH ZELMO_UPDATEMODUL_RELATIV ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/zelmotron)
add_library(zelmo_update MODULE update/UpdatePlugin.cpp)
target_link_libraries(zelmo_update PRIVATE zelmo_update_dialog)
set_target_properties(zelmo_update PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
install(TARGETS zelmo_update LIBRARY DESTINATION ${ZELMO_UPDATEMODUL_ZIEL})

foreach(ziel zelmo_ui zelmo_update_dialog)
  target_compile_definitions(${ziel} PUBLIC ZELMO_VERSION="${PROJECT_VERSION}"
    ZELMO_UPDATEMODUL_DATEI="zelmo_update.so" ZELMO_UPDATEMODUL_ORDNER="${ZELMO_UPDATEMODUL_RELATIV}")
endforeach()

# What the program exports for the module: its own namespace, nothing of Qt's.
function(zelmo_exportieren ziel)
  target_link_options(${ziel} PRIVATE "LINKER:--dynamic-list=${CMAKE_SOURCE_DIR}/cmake/zelmotron.exporte")
  set_property(TARGET ${ziel} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/zelmotron.exporte)
endfunction()
