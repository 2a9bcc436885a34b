# Installs a build tree into a fresh prefix, registers the installed server
# in a registry of its own, then builds the consumer program against the
# prefix alone (find_package, and a plain compile with pkg-config's flags)
# and runs both builds offscreen. Any failing step fails the test.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DLUMOTLB=...
#         -DLIBDIR=... -DSONAME=... -DCXX=... -DGENERATOR=... [-DEXTRA_FLAGS=...] -P RunConsumer.cmake
foreach(required BUILD_DIR SOURCE_DIR WORK_DIR LUMOTLB LIBDIR SONAME CXX GENERATOR)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "${required} is not set")
    endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(registry ${WORK_DIR}/registry.json)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# run(<step> COMMAND ...): runs the command, fails the test when it fails.
function(run step)
    execute_process(${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${step} failed (${result}):\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

run("Installing the build" COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
# Hosts load the run-time name; the link-time name comes with the headers.
set(library ${prefix}/${LIBDIR}/${SONAME})
foreach(file ${library} ${prefix}/${LIBDIR}/liblumokit.so ${prefix}/include/lumokit/HostLoader.h
        ${prefix}/${LIBDIR}/cmake/LumoKit/LumoKitConfig.cmake
        ${prefix}/${LIBDIR}/pkgconfig/lumokit.pc)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "The install holds no ${file}")
    endif()
endforeach()

run("Registering the installed server"
    COMMAND ${CMAKE_COMMAND} -E env LUMOKIT_REGISTRY=${registry} ${LUMOTLB} --regserver ${library})
file(READ ${registry} registered)
string(FIND "${registered}" "\"${library}\"" at)
if(at EQUAL -1)
    message(FATAL_ERROR "The registry does not name the installed server:\n${registered}")
endif()

set(flags "-Wall -Wextra -Werror ${EXTRA_FLAGS}")
run("Configuring the consumer"
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix}
            -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF "-DCMAKE_CXX_FLAGS=${flags}"
            "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
file(STRINGS ${WORK_DIR}/build/CMakeCache.txt found REGEX "^LumoKit_DIR:")
if(NOT found STREQUAL "LumoKit_DIR:PATH=${prefix}/${LIBDIR}/cmake/LumoKit")
    message(FATAL_ERROR "The consumer found LumoKit elsewhere: ${found}")
endif()
run("Building the consumer" COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build)

set(pkg_config ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/${LIBDIR}/pkgconfig pkg-config)
foreach(variable includedir libdir)
    run("Reading lumokit.pc" COMMAND ${pkg_config} --variable=${variable} lumokit)
    string(STRIP "${output}" folder)
    get_filename_component(folder "${folder}" ABSOLUTE)
    if(NOT folder MATCHES "^${prefix}/")
        message(FATAL_ERROR "lumokit.pc's ${variable} is not in the prefix: ${folder}")
    endif()
endforeach()
run("Reading lumokit.pc" COMMAND ${pkg_config} --cflags --libs lumokit)
string(STRIP "${output}" pc_flags)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra UNIX_COMMAND "-std=c++20 -fPIC ${flags}")
# pkg-config gives no run-time path; a prefix outside the loader's path
# needs one (CMake adds it itself for the other build).
run("Compiling the consumer with pkg-config's flags"
    COMMAND ${CXX} ${extra} ${SOURCE_DIR}/main.cpp -o ${WORK_DIR}/embed-controls-pc ${pc_flags}
            -Wl,-rpath,${prefix}/${LIBDIR})

foreach(program ${WORK_DIR}/build/embed-controls ${WORK_DIR}/embed-controls-pc)
    run("Running ${program}"
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LUMOKIT_REGISTRY=${registry}
                ${program} --quit)
    message("${program}:\n${output}")
    foreach(line "button Caption (Qt) = Save" "status bar PanelCaption(1) = Saved"
            "LumoKit.lumoStatusbar shown = true")
        string(FIND "${output}" "${line}\n" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${program} did not print \"${line}\"")
        endif()
    endforeach()
endforeach()
