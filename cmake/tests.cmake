# Unit tests: one GoogleTest program per tests/<suite>_test.cpp (with
# tests/<suite>_test.rc when the suite needs resources of its own), each run
# under Wine once per Windows version as <suite>@<version>.
enable_testing()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(WINDOWS_VERSIONS win98 nt40 win2k)
set(SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/scripts)

foreach(version ${WINDOWS_VERSIONS})
    add_test(NAME wine-start@${version} COMMAND ${SCRIPTS}/wine-prefix ${version} start)
    add_test(NAME wine-stop@${version} COMMAND ${SCRIPTS}/wine-prefix ${version} stop)
    set_tests_properties(wine-start@${version} PROPERTIES
        FIXTURES_SETUP wine-${version} ENVIRONMENT TESSALY_BUILD=${CMAKE_BINARY_DIR} TIMEOUT 300)
    set_tests_properties(wine-stop@${version} PROPERTIES
        FIXTURES_CLEANUP wine-${version} ENVIRONMENT TESSALY_BUILD=${CMAKE_BINARY_DIR})
endforeach()

file(GLOB TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*_test.cpp)
foreach(source ${TEST_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "_test$" "" suite ${name})
    set(extra)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/${name}.rc)
        set(extra ${CMAKE_CURRENT_SOURCE_DIR}/tests/${name}.rc)
        # A test's resources may include the program's payloads.
        set_property(SOURCE ${extra} APPEND PROPERTY INCLUDE_DIRECTORIES ${PAYLOAD_DIR})
        set_property(SOURCE ${extra} APPEND PROPERTY OBJECT_DEPENDS ${COMPRESSED_PAYLOADS})
    endif()
    add_executable(${suite}_tests ${source} ${extra})
    target_compile_options(${suite}_tests PRIVATE -Wall -Wextra -Werror)
    target_include_directories(${suite}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    target_link_libraries(${suite}_tests PRIVATE product gtest_main ${SYSTEM_LIBRARIES})
    target_link_options(${suite}_tests PRIVATE -static)
    # The suites of one version share that prefix's registry, desktop and
    # folders, and several of them make and remove the same fixed keys: they
    # take turns, while the versions still run side by side.
    foreach(version ${WINDOWS_VERSIONS})
        add_test(NAME ${suite}@${version} COMMAND ${suite}_tests)
        set_tests_properties(${suite}@${version} PROPERTIES
            FIXTURES_REQUIRED wine-${version}
            RESOURCE_LOCK wine-state@${version}
            ENVIRONMENT "WINDOWS_VERSION=${version};TESSALY_BUILD=${CMAKE_BINARY_DIR}"
            TIMEOUT 300)
    endforeach()
endforeach()

# The built setup.exe, read from outside: imports, subsystem, exports.
add_test(NAME setup-exe-tables
    COMMAND ${SCRIPTS}/check-setup-exe $<TARGET_FILE:setup> ${CMAKE_CURRENT_SOURCE_DIR}/tests/allowed-imports.txt)

# The payloads inside the built setup.exe, read from outside and expanded by
# an expander nobody here wrote.
add_test(NAME setup-exe-payloads
    COMMAND ${SCRIPTS}/check-payloads $<TARGET_FILE:setup> ${CMAKE_BINARY_DIR}/payloads)

# The built setup.exe started as a user would, under each Windows version.
foreach(version ${WINDOWS_VERSIONS})
    add_test(NAME setup-run@${version} COMMAND setup)
    set_tests_properties(setup-run@${version} PROPERTIES
        FIXTURES_REQUIRED wine-${version}
        ENVIRONMENT "WINDOWS_VERSION=${version};TESSALY_BUILD=${CMAKE_BINARY_DIR}"
        TIMEOUT 120)
endforeach()

# The free-space and file-installation suites use drives of known size: scripts/test-drives
# mounts them into each version's prefix before the suite and removes them
# after it.
foreach(version ${WINDOWS_VERSIONS})
    add_test(NAME test-drives-mount@${version} COMMAND ${SCRIPTS}/test-drives ${version} mount)
    add_test(NAME test-drives-unmount@${version} COMMAND ${SCRIPTS}/test-drives ${version} unmount)
    set_tests_properties(test-drives-mount@${version} PROPERTIES
        FIXTURES_SETUP test-drives-${version} FIXTURES_REQUIRED wine-${version}
        ENVIRONMENT TESSALY_BUILD=${CMAKE_BINARY_DIR})
    set_tests_properties(test-drives-unmount@${version} PROPERTIES
        FIXTURES_CLEANUP test-drives-${version} ENVIRONMENT TESSALY_BUILD=${CMAKE_BINARY_DIR})
    foreach(suite free_space install_files)
        set_tests_properties(${suite}@${version} PROPERTIES
            FIXTURES_REQUIRED "wine-${version};test-drives-${version}")
    endforeach()
endforeach()
