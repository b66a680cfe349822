# Every third-party dependency, found once. All come from Debian packages.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

find_package(SFML 2.5 REQUIRED COMPONENTS graphics window system audio)
find_package(box2d 2.4 REQUIRED)
find_package(nlohmann_json 3.9 REQUIRED)
find_package(Boost 1.74 REQUIRED COMPONENTS context)
find_package(tinyxml2 REQUIRED)
find_package(GTest REQUIRED)

# Lua built as C++: errors unwind as exceptions, so destructors run across Lua frames.
# Nothing may link the C build beside it (the symbols clash).
pkg_check_modules(LUA REQUIRED IMPORTED_TARGET lua5.4-c++)
pkg_check_modules(POLYCLIPPING REQUIRED IMPORTED_TARGET polyclipping)
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)

# libnoise ships neither a CMake package nor a pkg-config file.
find_path(LIBNOISE_INCLUDE_DIR libnoise/noise.h REQUIRED)
find_library(LIBNOISE_LIBRARY noise REQUIRED)
add_library(libnoise::libnoise UNKNOWN IMPORTED)
set_target_properties(libnoise::libnoise PROPERTIES
    IMPORTED_LOCATION ${LIBNOISE_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${LIBNOISE_INCLUDE_DIR})

add_library(orv::deps::lua ALIAS PkgConfig::LUA)
add_library(orv::deps::polyclipping ALIAS PkgConfig::POLYCLIPPING)

find_program(XVFB_RUN xvfb-run)
