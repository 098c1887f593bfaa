# Private CUPS schedulers for tests that print: one with the default queue "vbtest", whose
# backend stores each job's document in a folder, one without any queue, and, for the printer
# fault tests, servers whose queue "vbtest" is broken. All are started by CTest fixtures and
# reached through CUPS_SERVER; the machine's own printers are never used.
#
#   vb_cups_test(<test> QUEUE|NO_QUEUE|OWN_QUEUE [<fault>])
#       Makes an existing test use a private server:
#         QUEUE      the shared server with the default queue
#         NO_QUEUE   the shared server without any printer
#         OWN_QUEUE  a server of the test's own with the default queue, which the test may stop;
#                    with a fault (see scripts/cups-test-server.sh --fault: stopped, rejecting,
#                    failing, failing-stops, failing-aborts) the queue is set up broken that way
#       The test requires the server's fixture, runs headless with CUPS_SERVER, CUPS_SERVERROOT
#       and HOME pointing into the server's folder (so no lpoptions or client.conf of the machine
#       or the user leaks in), PRINTER and LPDEST unset. It also gets VB_CUPS_DIR (the server's
#       folder; a file "unavailable" there means cupsd is not installed, skip), VB_CUPS_JOBS
#       (folder of the stored jobs, job-<id>.pdf), VB_CUPS_WITH_QUEUE (1 or 0), VB_CUPS_FAULT
#       (the fault or empty) and, on a server of its own, VB_CUPS_STOP (the command that stops
#       it, arguments in double quotes). Tests on one server with a queue run one at a time.
#   vb_add_cups_test(<test> QUEUE|NO_QUEUE|OWN_QUEUE [<fault>] COMMAND <command...>)
#       add_test() plus vb_cups_test().
#
# Include it from any test folder (include(${PROJECT_SOURCE_DIR}/tests/reports/CupsTestServer.cmake));
# the fixtures are defined once.
# Fixtures: vb_cups_queue (tests vb_cups_queue_start / vb_cups_queue_stop), vb_cups_noqueue
# (vb_cups_noqueue_start / vb_cups_noqueue_stop), and vb_cups_<test> for a test with its own server.
include_guard(GLOBAL)

# Cache entries, as the include guard keeps later including folders from setting them.
set(VB_CUPS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/../../scripts/cups-test-server.sh CACHE INTERNAL "")
set(VB_CUPS_ROOT ${CMAKE_BINARY_DIR}/cups-test CACHE INTERNAL "")

function(_vb_cups_server kind)
    set(dir ${VB_CUPS_ROOT}/${kind})
    set(socket ${dir}/cups.sock)
    string(LENGTH "${socket}" length)
    if(length GREATER 100)
        # Unix socket paths are limited to 108 bytes; deep build trees get one in /tmp.
        string(MD5 hash "${CMAKE_BINARY_DIR}")
        string(SUBSTRING "${hash}" 0 12 hash)
        set(socket /tmp/vbcups-${hash}-${kind}.sock)
    endif()
    add_test(NAME vb_cups_${kind}_start COMMAND bash ${VB_CUPS_SCRIPT} start ${dir} ${ARGN} --socket ${socket})
    add_test(NAME vb_cups_${kind}_stop COMMAND bash ${VB_CUPS_SCRIPT} stop ${dir} --socket ${socket})
    set_tests_properties(vb_cups_${kind}_start PROPERTIES FIXTURES_SETUP vb_cups_${kind} TIMEOUT 60)
    set_tests_properties(vb_cups_${kind}_stop PROPERTIES FIXTURES_CLEANUP vb_cups_${kind} TIMEOUT 30)
    # Cache entries, so that test folders that include this file after the first one see them.
    set(VB_CUPS_${kind}_DIR ${dir} CACHE INTERNAL "folder of the private CUPS server ${kind}")
    set(VB_CUPS_${kind}_SOCKET ${socket} CACHE INTERNAL "socket of the private CUPS server ${kind}")
endfunction()

_vb_cups_server(queue)
_vb_cups_server(noqueue --no-queue)

function(vb_cups_test test kind)
    set(with_queue 1)
    set(fault "${ARGN}")
    set(stop "")
    if(kind STREQUAL "QUEUE" AND NOT fault)
        set(server queue)
    elseif(kind STREQUAL "NO_QUEUE" AND NOT fault)
        set(server noqueue)
        set(with_queue 0)
    elseif(kind STREQUAL "OWN_QUEUE")
        set(server ${test})
        if(fault)
            _vb_cups_server(${server} --fault ${fault})
        else()
            _vb_cups_server(${server})
        endif()
        set(stop "bash \"${VB_CUPS_SCRIPT}\" stop \"${VB_CUPS_${server}_DIR}\" --socket \"${VB_CUPS_${server}_SOCKET}\"")
    else()
        message(FATAL_ERROR "vb_cups_test(${test} ${kind} ${fault}): say QUEUE, NO_QUEUE or OWN_QUEUE [<fault>]")
    endif()
    set(dir ${VB_CUPS_${server}_DIR})
    set(socket ${VB_CUPS_${server}_SOCKET})
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED vb_cups_${server}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CUPS_SERVER=${socket};CUPS_SERVERROOT=${dir}/client;HOME=${dir}/home;VB_CUPS_DIR=${dir};VB_CUPS_JOBS=${dir}/jobs;VB_CUPS_WITH_QUEUE=${with_queue};VB_CUPS_FAULT=${fault};VB_CUPS_STOP=${stop}"
        ENVIRONMENT_MODIFICATION "PRINTER=unset:;LPDEST=unset:"
    )
    if(with_queue)
        set_tests_properties(${test} PROPERTIES RESOURCE_LOCK vb_cups_${server})
    endif()
endfunction()

function(vb_add_cups_test test kind)
    cmake_parse_arguments(ARG "" "" "COMMAND" ${ARGN})
    add_test(NAME ${test} COMMAND ${ARG_COMMAND})
    set_tests_properties(${test} PROPERTIES TIMEOUT 120)
    vb_cups_test(${test} ${kind} ${ARG_UNPARSED_ARGUMENTS})
endfunction()
