# cmake -DSOURCE=<file> -DTARGET=<file> -P CopyIfAbsent.cmake: copies only when TARGET does not exist.
if(NOT EXISTS "${TARGET}")
    get_filename_component(folder "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
