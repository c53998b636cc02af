# SPDX-FileCopyrightText: 2026 QR2ZUX <autor@qr2zux.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds that look for faults (before any target is defined, so that every target gets the flags).
#   ZELMO_SANITIZE  AddressSanitizer (with leak checking) and UndefinedBehaviorSanitizer on the whole
#                   program and test suite; tools/zelmo.sh test builds it in build-asan/.
#   ZELMO_FUZZ      the libFuzzer targets of fuzz/ (clang only) over the pure logic, built with the same
#                   sanitizers; tools/zelmo.sh test builds them in build-fuzz/.
option(ZELMO_SANITIZE "build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZELMO_FUZZ "build the libFuzzer targets in fuzz/ (needs clang)" OFF)
if(ZELMO_SANITIZE OR ZELMO_FUZZ)
  set(ZELMO_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${ZELMO_SAN_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
if(ZELMO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZELMO_FUZZ needs clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
