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
# wanted (dialogs/Updatelader.*). The module links none of the program's code and the program file
# exports none of it: what the module needs of the program (its message service, artwork, dialog look,
# the desktop) comes through the services the program hands it (Updatedienste in
# dialogs/Updatefenster.h), so that state such as the message service stays the program's one
# instance. The module is linked with --no-undefined: a call into the program's code fails at link
# time. Of the program's sources it compiles only stateless building blocks (fields/Bausteine.cpp).
find_package(Qt6 REQUIRED COMPONENTS Network Concurrent)
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
include(GNUInstallDirs)

file(GLOB NETZ_QUELLEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/net/*.cpp ${CMAKE_SOURCE_DIR}/net/*.h)
add_library(zelmo_netz STATIC ${NETZ_QUELLEN})
# hidden: the module they go into exports nothing but its entry points
set_target_properties(zelmo_netz PROPERTIES POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(zelmo_netz PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zelmo_netz PUBLIC Qt6::Core Qt6::Network PRIVATE Qt6::Concurrent OpenSSL::Crypto PkgConfig::LIBZIP)
target_compile_options(zelmo_netz PRIVATE -Wall -Wextra)

# The dialog, also linked directly into its tests.
add_library(zelmo_update_dialog OBJECT update/UpdateDialog.cpp update/UpdateDialog.h)
set_target_properties(zelmo_update_dialog PROPERTIES POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(zelmo_update_dialog PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zelmo_update_dialog PUBLIC zelmo_netz Qt6::Widgets)
target_compile_options(zelmo_update_dialog PRIVATE -Wall -Wextra)

# The module: beside the program in the build folder, in <libdir>/zelmotron when installed.
set(ZELMO_UPDATEMODUL_ZIEL ${CMAKE_INSTALL_LIBDIR}/zelmotron)
file(RELATIVE_PATH ZELMO_UPDATEMODUL_RELATIV ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/zelmotron)
add_library(zelmo_update MODULE update/UpdatePlugin.cpp fields/Bausteine.cpp)
target_link_libraries(zelmo_update PRIVATE zelmo_update_dialog)
# exports only the plugin's entry points (Q_PLUGIN_METADATA marks them)
set_target_properties(zelmo_update PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
# every symbol resolved by the libraries it links; clang links the sanitizers' runtime into programs
# only, so a module of a clang build with sanitizers (the fuzzing build, which does not build it)
# leaves their symbols to the program
if(NOT (CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND (ZELMO_SANITIZE OR ZELMO_FUZZ)))
  target_link_options(zelmo_update PRIVATE LINKER:--no-undefined)
endif()
install(TARGETS zelmo_update LIBRARY DESTINATION ${ZELMO_UPDATEMODUL_ZIEL})

foreach(ziel zelmo_ui zelmo_update_dialog)
  target_compile_definitions(${ziel} PUBLIC ZELMO_VERSION="${PROJECT_VERSION}"
    ZELMO_UPDATEMODUL_DATEI="zelmo_update.so" ZELMO_UPDATEMODUL_ORDNER="${ZELMO_UPDATEMODUL_RELATIV}")
endforeach()
