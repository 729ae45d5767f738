# quarnelo_unprivileged(target filter): when the tests run with root rights and
# setpriv exists, runs the gtest cases matching `filter` of `target` once more
# as the user nobody, for whom file permissions hold.
execute_process(COMMAND id -u OUTPUT_VARIABLE QUARNELO_UID OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
find_program(QUARNELO_SETPRIV setpriv)

function(quarnelo_unprivileged target filter)
  if(QUARNELO_UID STREQUAL "0" AND QUARNELO_SETPRIV)
    add_test(NAME ${target}_unprivileged
             COMMAND ${QUARNELO_SETPRIV} --reuid=65534 --regid=65534 --clear-groups
                     $<TARGET_FILE:${target}> --gtest_filter=${filter})
    set_tests_properties(${target}_unprivileged PROPERTIES
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TMPDIR=/tmp"
                         SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  endif()
endfunction()
