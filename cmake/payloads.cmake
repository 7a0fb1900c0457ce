# The payloads: sample stand-ins for every file the setup installs, made from
# resources/payloads into <build>/payloads under their real names, compressed
# there with mscompress (name + "_"), and embedded in setup.exe by
# resources/payloads.rc. A changed stand-in rebuilds setup.exe.
set(PAYLOAD_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources/payloads)
set(PAYLOAD_DIR ${CMAKE_BINARY_DIR}/payloads)
file(MAKE_DIRECTORY ${PAYLOAD_DIR})

add_custom_command(OUTPUT ${PAYLOAD_DIR}/Sidebar.bmp ${PAYLOAD_DIR}/Tessaly.ico
    COMMAND ${PAYLOAD_SOURCES}/draw-pictures ${PAYLOAD_DIR}
    DEPENDS ${PAYLOAD_SOURCES}/draw-pictures
    COMMENT "Drawing the sidebar picture and the sample program's icon")
# One target draws them, so that no two targets built side by side do.
add_custom_target(sample-pictures DEPENDS ${PAYLOAD_DIR}/Sidebar.bmp ${PAYLOAD_DIR}/Tessaly.ico)

foreach(text Tessaly.hlp Tessaly.cnt)
    add_custom_command(OUTPUT ${PAYLOAD_DIR}/${text}
        COMMAND ${CMAKE_COMMAND} -E copy ${PAYLOAD_SOURCES}/${text} ${PAYLOAD_DIR}/${text}
        DEPENDS ${PAYLOAD_SOURCES}/${text})
endforeach()

# The programs and the library link no runtime, like setup.exe, so that they
# run on every Windows version the setup installs on.
set(STAND_IN_LINK_OPTIONS -nostdlib -nostartfiles -s
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

function(add_stand_in_program target name)
    add_executable(${target} WIN32 ${ARGN})
    target_compile_options(${target} PRIVATE ${PRODUCT_FLAGS})
    target_link_options(${target} PRIVATE ${STAND_IN_LINK_OPTIONS} -Wl,-e,_ProgramEntry)
    target_link_libraries(${target} PRIVATE kernel32 user32)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} SUFFIX .exe
        RUNTIME_OUTPUT_DIRECTORY ${PAYLOAD_DIR})
endfunction()

add_stand_in_program(sample-program Tessaly
    ${PAYLOAD_SOURCES}/tessaly.cpp ${PAYLOAD_SOURCES}/tessaly.rc)
set_property(SOURCE ${PAYLOAD_SOURCES}/tessaly.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${PAYLOAD_DIR})
set_property(SOURCE ${PAYLOAD_SOURCES}/tessaly.rc APPEND PROPERTY OBJECT_DEPENDS ${PAYLOAD_DIR}/Tessaly.ico)
add_dependencies(sample-program sample-pictures)

add_stand_in_program(sample-uninstaller TessalyUninstall ${PAYLOAD_SOURCES}/tessaly_uninstall.cpp)

add_library(sample-shell-component SHARED
    ${PAYLOAD_SOURCES}/orvandel.cpp ${PAYLOAD_SOURCES}/orvandel.def ${PAYLOAD_SOURCES}/orvandel.rc)
target_compile_options(sample-shell-component PRIVATE ${PRODUCT_FLAGS})
target_link_options(sample-shell-component PRIVATE ${STAND_IN_LINK_OPTIONS} -Wl,-e,_LibraryEntry@12)
set_target_properties(sample-shell-component PROPERTIES OUTPUT_NAME Orvandel PREFIX "" SUFFIX .dll
    RUNTIME_OUTPUT_DIRECTORY ${PAYLOAD_DIR} ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sample-libs)

# Compresses file (made by producer, a target or a file) into file + "_".
set(COMPRESSED_PAYLOADS)
function(compress_payload file producer)
    add_custom_command(OUTPUT ${PAYLOAD_DIR}/${file}_
        # mscompress refuses to replace an earlier result.
        COMMAND ${CMAKE_COMMAND} -E rm -f ${file}_
        COMMAND mscompress ${file}
        WORKING_DIRECTORY ${PAYLOAD_DIR}
        DEPENDS ${producer}
        COMMENT "Compressing payload ${file}")
    set(COMPRESSED_PAYLOADS ${COMPRESSED_PAYLOADS} ${PAYLOAD_DIR}/${file}_ PARENT_SCOPE)
endfunction()

compress_payload(Orvandel.dll sample-shell-component)
compress_payload(Sidebar.bmp ${PAYLOAD_DIR}/Sidebar.bmp)
compress_payload(Tessaly.exe sample-program)
compress_payload(Tessaly.hlp ${PAYLOAD_DIR}/Tessaly.hlp)
compress_payload(Tessaly.cnt ${PAYLOAD_DIR}/Tessaly.cnt)
compress_payload(TessalyUninstall.exe sample-uninstaller)

add_custom_target(payloads DEPENDS ${COMPRESSED_PAYLOADS})
add_dependencies(payloads sample-pictures)
add_dependencies(setup payloads)
set(PAYLOAD_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/resources/payloads.rc)
set_property(SOURCE ${PAYLOAD_SCRIPT} APPEND PROPERTY INCLUDE_DIRECTORIES ${PAYLOAD_DIR})
set_property(SOURCE ${PAYLOAD_SCRIPT} APPEND PROPERTY OBJECT_DEPENDS ${COMPRESSED_PAYLOADS})
