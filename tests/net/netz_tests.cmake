# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the update path. The GoogleTest cases of net/ form their own executable, since they link
# the network library; the widget tests of the update path also build archives (libzip) and make
# release keys (OpenSSL) of their own.
file(GLOB NETZ_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/net/*_test.cpp)
add_executable(netz_tests ${NETZ_TESTS})
target_link_libraries(netz_tests PRIVATE zelmo_netz GTest::gtest_main PkgConfig::LIBZIP OpenSSL::Crypto)
target_include_directories(netz_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(netz_tests PRIVATE ZELMO_FREIGABE_WERKZEUG="${CMAKE_SOURCE_DIR}/tools/freigabe.sh")
gtest_discover_tests(netz_tests DISCOVERY_MODE PRE_TEST)

foreach(t update_guitest abruf_guitest freigabe_guitest updategrenzen_guitest)
  target_link_libraries(${t} PRIVATE zelmo_netz PkgConfig::LIBZIP OpenSSL::Crypto Qt6::Network)
  set_tests_properties(${t} PROPERTIES TIMEOUT 300)
endforeach()

# The update dialog linked in directly.
target_link_libraries(update_guitest PRIVATE zelmo_update_dialog)
target_link_libraries(freigabe_guitest PRIVATE zelmo_update_dialog)

# The module the build makes, loaded by a test program that, like the program, exports nothing for it.
target_compile_definitions(programmfenster_guitest PRIVATE ZELMO_UPDATEMODUL="$<TARGET_FILE:zelmo_update>")
add_dependencies(programmfenster_guitest zelmo_update)
