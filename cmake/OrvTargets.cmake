# Helpers that keep each area's CMakeLists.txt to a line or two.

set(ORV_WARNINGS -Wall -Wextra)
# float-cast-overflow is not part of GCC's undefined set: out-of-range double->int conversions.
set(ORV_SANITIZE_KINDS -fsanitize=address,undefined,float-cast-overflow)
set(ORV_SANITIZER_FLAGS ${ORV_SANITIZE_KINDS} -fno-omit-frame-pointer -fno-sanitize-recover=all)
# The sanitizers' per-check records make every test executable hundreds of megabytes at -O0 with
# full debug info, and their pointers as many dynamic relocations in a PIE: -O1 drops most
# redundant checks, line tables keep the reports' file:line, and a fixed-address executable
# resolves those pointers at link time.
list(APPEND ORV_SANITIZER_FLAGS -O1 -g1)
set(ORV_SANITIZER_LINK_FLAGS ${ORV_SANITIZE_KINDS} -no-pie)
option(ORV_LIBFUZZER "Link the fuzz targets with clang's libFuzzer instead of the replay driver" OFF)
if(ORV_LIBFUZZER)
    # Coverage for libFuzzer's guidance in all sanitized code.
    list(APPEND ORV_SANITIZER_FLAGS -fsanitize=fuzzer-no-link)
endif()

# Adds every immediate subdirectory of DIR that has a CMakeLists.txt, in sorted order.
# The names of the added directories are returned in OUT when given.
function(orv_add_subdirs DIR)
    set(added)
    file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/${DIR}/*)
    list(SORT children)
    foreach(child IN LISTS children)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${DIR}/${child})
            list(APPEND added ${child})
        endif()
    endforeach()
    if(ARGC GREATER 1)
        set(${ARGV1} ${added} PARENT_SCOPE)
    endif()
endfunction()

function(orv_target_defaults TARGET NOSAN)
    target_compile_options(${TARGET} PRIVATE ${ORV_WARNINGS})
    if(ORV_SANITIZE AND NOT NOSAN)
        target_compile_options(${TARGET} PRIVATE ${ORV_SANITIZER_FLAGS})
        target_link_options(${TARGET} PUBLIC ${ORV_SANITIZER_LINK_FLAGS})
    endif()
endfunction()

# orv_library(NAME [NOSAN] [DIRS d...] [DEPS t...])
# A static library from every .cpp below the listed directories (default: the current one).
# Includes are rooted at the project: #include "engine/signals/Signal.hpp".
function(orv_library NAME)
    cmake_parse_arguments(A "NOSAN" "" "DIRS;DEPS" ${ARGN})
    if(NOT A_DIRS)
        set(A_DIRS .)
    endif()
    set(srcs)
    foreach(d IN LISTS A_DIRS)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
        list(APPEND srcs ${found})
    endforeach()
    list(SORT srcs)
    add_library(${NAME} STATIC ${srcs})
    target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/lib)
    target_link_libraries(${NAME} PUBLIC ${A_DEPS})
    orv_target_defaults(${NAME} "${A_NOSAN}")
endfunction()

# orv_test(NAME [DISPLAY] [NOSAN] [SOURCES s...] LIBS t...)
# A GoogleTest binary from every .cpp in the current directory (or SOURCES).
# DISPLAY tests need a window: they run under Xvfb with a null audio device.
function(orv_test NAME)
    cmake_parse_arguments(T "DISPLAY;NOSAN" "" "SOURCES;LIBS" ${ARGN})
    if(NOT T_SOURCES)
        file(GLOB T_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
        list(SORT T_SOURCES)
    endif()
    # A suite still being written must not break everyone's configure step.
    foreach(source IN LISTS T_SOURCES)
        if(NOT EXISTS ${source} AND NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
            message(WARNING "${NAME}: skipped, missing source ${source}")
            return()
        endif()
    endforeach()
    if(NOT T_SOURCES)
        message(WARNING "${NAME}: skipped, no sources")
        return()
    endif()
    add_executable(${NAME} ${T_SOURCES})
    target_link_libraries(${NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${NAME} PRIVATE ORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               ORV_RUN_DIR="${ORV_RUN_DIR}")
    orv_target_defaults(${NAME} "${T_NOSAN}")
    if(T_DISPLAY)
        add_test(NAME ${NAME} COMMAND ${PROJECT_SOURCE_DIR}/tools/run-display-test.sh $<TARGET_FILE:${NAME}>)
        # Mesa and X11 keep process-lifetime allocations that are not ours to chase.
        set_tests_properties(${NAME} PROPERTIES
            ENVIRONMENT "ALSOFT_DRIVERS=null;ASAN_OPTIONS=detect_leaks=0"
            RESOURCE_LOCK xvfb TIMEOUT 300)
    else()
        gtest_discover_tests(${NAME} DISCOVERY_MODE PRE_TEST
                             PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null" TIMEOUT 120)
    endif()
endfunction()
