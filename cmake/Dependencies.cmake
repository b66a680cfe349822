# Every third-party dependency, found once. All come from Debian packages, which
# tools/install-deps.sh installs; a missing one stops the configure step naming its package.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

macro(orv_find NAME DEBIAN_PACKAGE)
    find_package(${NAME} ${ARGN} QUIET)
    if(NOT ${NAME}_FOUND)
        message(FATAL_ERROR "${NAME} not found: install the Debian package ${DEBIAN_PACKAGE} "
                            "(tools/install-deps.sh installs every package the build needs)")
    endif()
endmacro()

macro(orv_find_pkgconfig PREFIX MODULE DEBIAN_PACKAGE)
    pkg_check_modules(${PREFIX} QUIET IMPORTED_TARGET ${MODULE})
    if(NOT ${PREFIX}_FOUND)
        message(FATAL_ERROR "${MODULE} not found: install the Debian package ${DEBIAN_PACKAGE} "
                            "(tools/install-deps.sh installs every package the build needs)")
    endif()
endmacro()

orv_find(SFML libsfml-dev 2.5 COMPONENTS graphics window system audio)
orv_find(box2d libbox2d-dev 2.4)
orv_find(nlohmann_json nlohmann-json3-dev 3.9)
orv_find(Boost libboost-context-dev 1.74 COMPONENTS context)
orv_find(tinyxml2 libtinyxml2-dev)
orv_find(GTest "libgtest-dev and libgmock-dev")
orv_find(benchmark libbenchmark-dev)
orv_find(OpenGL libgl-dev)

# Lua built as C++: errors unwind as exceptions, so destructors run across Lua frames.
# Nothing may link the C build beside it (the symbols clash).
orv_find_pkgconfig(LUA lua5.4-c++ liblua5.4-dev)
orv_find_pkgconfig(POLYCLIPPING polyclipping libpolyclipping-dev)
orv_find_pkgconfig(X11 x11 libx11-dev)
orv_find_pkgconfig(OPENAL openal libopenal-dev)

# libnoise ships neither a CMake package nor a pkg-config file.
find_path(LIBNOISE_INCLUDE_DIR libnoise/noise.h)
find_library(LIBNOISE_LIBRARY noise)
if(NOT LIBNOISE_INCLUDE_DIR OR NOT LIBNOISE_LIBRARY)
    message(FATAL_ERROR "libnoise not found: install the Debian package libnoise-dev "
                        "(tools/install-deps.sh installs every package the build needs)")
endif()
add_library(libnoise::libnoise UNKNOWN IMPORTED)
set_target_properties(libnoise::libnoise PROPERTIES
    IMPORTED_LOCATION ${LIBNOISE_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${LIBNOISE_INCLUDE_DIR})

add_library(orv::deps::lua ALIAS PkgConfig::LUA)
add_library(orv::deps::polyclipping ALIAS PkgConfig::POLYCLIPPING)

# Tests that open a window run each under a private X server.
if(ORV_BUILD_TESTS)
    find_program(ORV_XVFB Xvfb)
    if(NOT ORV_XVFB)
        message(FATAL_ERROR "Xvfb not found: install the Debian packages xvfb and xauth "
                            "(tools/install-deps.sh installs every package the build needs)")
    endif()
endif()
