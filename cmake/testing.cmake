# GoogleTest natively from the system; for Windows it is built from the
# sources of Debian's googletest package, and tests run under Wine.
enable_testing()
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${CMAKE_BINARY_DIR}/wine-run.sh COPYONLY)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# One test binary: each case its own ctest test natively; under Wine one run
# of the whole binary, since every Wine process start costs a second.
function(typ_add_gtest target)
    target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
