# The update path in net/, a library of its own: HTTPS through Qt Network (TLS by Qt's OpenSSL
# backend), release signatures through OpenSSL's EVP interface (Ed25519), ZIP archives through libzip,
# unpacking on a worker thread (Qt Concurrent). zelmo_logik stays QtCore only; zelmo_ui links this.
find_package(Qt6 REQUIRED COMPONENTS Network Concurrent)
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)

file(GLOB NETZ_QUELLEN CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/net/*.cpp ${CMAKE_SOURCE_DIR}/net/*.h)
add_library(zelmo_netz STATIC ${NETZ_QUELLEN})
target_include_directories(zelmo_netz PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zelmo_netz PUBLIC Qt6::Core Qt6::Network PRIVATE Qt6::Concurrent OpenSSL::Crypto PkgConfig::LIBZIP)
target_compile_options(zelmo_netz PRIVATE -Wall -Wextra)
target_link_libraries(zelmo_ui PUBLIC zelmo_netz)
