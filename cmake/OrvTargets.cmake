# Helpers that keep each area's CMakeLists.txt to a line or two.

set(ORV_WARNINGS -Wall -Wextra)
option(ORV_WERROR "Make every warning an error" OFF)
if(ORV_WERROR)
    list(APPEND ORV_WARNINGS -Werror)
endif()
# float-cast-overflow is not part of GCC's undefined set: out-of-range double->int conversions.
set(ORV_SANITIZE_KINDS -fsanitize=address,undefined,float-cast-overflow)
set(ORV_SANITIZER_FLAGS ${ORV_SANITIZE_KINDS} -fno-omit-frame-pointer -fno-sanitize-recover=all)
# The sanitizers' per-check records make every test executable hundreds of megabytes at -O0 with
# full debug info, and their pointers as many dynamic relocations in a PIE: -O1 drops most
# redundant checks, line tables keep the reports' file:line, and a fixed-address executable
# resolves those pointers at link time.
list(APPEND ORV_SANITIZER_FLAGS -O1 -g1)
set(ORV_SANITIZER_LINK_FLAGS ${ORV_SANITIZE_KINDS} -no-pie)
# CTest's limits stop a hung test; they leave room for a sanitized test that shares the machine
# with a second run of the suite: at least three times what the slowest of each kind takes then.
set(ORV_TEST_TIMEOUT 600)
set(ORV_DISPLAY_TEST_TIMEOUT 1800)
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
    # A suite whose sources vanished must stop the configure step, not drop out of the run.
    foreach(source IN LISTS T_SOURCES)
        if(NOT EXISTS ${source} AND NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${source})
            message(FATAL_ERROR "${NAME}: missing source ${source}")
        endif()
    endforeach()
    if(NOT T_SOURCES)
        message(FATAL_ERROR "${NAME}: no sources in ${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    add_executable(${NAME} ${T_SOURCES})
    target_link_libraries(${NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${NAME} PRIVATE ORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               ORV_RUN_DIR="${ORV_RUN_DIR}")
    orv_target_defaults(${NAME} "${T_NOSAN}")
    if(T_DISPLAY)
        orv_display_test(${NAME} $<TARGET_FILE:${NAME}>)
    else()
        gtest_discover_tests(${NAME} DISCOVERY_MODE PRE_TEST
                             PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null" TIMEOUT ${ORV_TEST_TIMEOUT})
    endif()
endfunction()

# orv_display_test(NAME COMMAND [ARGS...])
# A test that opens windows: it runs under a private Xvfb server with a null audio device, so
# display tests run side by side.
function(orv_display_test NAME)
    add_test(NAME ${NAME} COMMAND ${PROJECT_SOURCE_DIR}/tools/run-display-test.sh ${ARGN})
    # Mesa and X11 keep process-lifetime allocations that are not ours to chase.
    set_tests_properties(${NAME} PROPERTIES
        ENVIRONMENT "ALSOFT_DRIVERS=null;ASAN_OPTIONS=detect_leaks=0" TIMEOUT ${ORV_DISPLAY_TEST_TIMEOUT})
endfunction()

# orv_benchmark(NAME [DISPLAY] [SMOKE args...])
# Registers a built benchmark: `make bench` builds the `benchmarks` target and runs every one
# listed in the build folder's benchmarks.list (DISPLAY ones under Xvfb); with tests on, each
# also runs once as NAME_smoke with the SMOKE arguments (default --smoke), so none rots.
function(orv_benchmark NAME)
    cmake_parse_arguments(B "DISPLAY" "" "SMOKE" ${ARGN})
    if(NOT B_SMOKE)
        set(B_SMOKE --smoke)
    endif()
    set(kind headless)
    if(B_DISPLAY)
        set(kind display)
    endif()
    set_property(GLOBAL APPEND PROPERTY ORV_BENCHMARKS ${NAME})
    set_property(GLOBAL APPEND PROPERTY ORV_BENCHMARK_LINES "${NAME}\t${kind}\t$<TARGET_FILE:${NAME}>")
    if(ORV_BUILD_TESTS)
        if(B_DISPLAY)
            orv_display_test(${NAME}_smoke $<TARGET_FILE:${NAME}> ${B_SMOKE})
        else()
            add_test(NAME ${NAME}_smoke COMMAND ${NAME} ${B_SMOKE})
            set_tests_properties(${NAME}_smoke PROPERTIES TIMEOUT ${ORV_TEST_TIMEOUT})
        endif()
    endif()
endfunction()

# The `benchmarks` target and the list run-benchmarks.sh reads; called once, after every
# benchmark is registered.
function(orv_benchmark_list)
    get_property(names GLOBAL PROPERTY ORV_BENCHMARKS)
    get_property(lines GLOBAL PROPERTY ORV_BENCHMARK_LINES)
    list(JOIN lines "\n" content)
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/benchmarks.list CONTENT "${content}\n")
    add_custom_target(benchmarks DEPENDS ${names})
endfunction()
