# The guide in lumokit/README.md quotes the consumer program's files; each
# quote, the code block under "<!-- example: tests/consumer/NAME -->", must
# equal the file, so the guide cannot drift from the program the tests build.
#
#   cmake -DREADME=... -DSOURCE_DIR=<tests/consumer> -P CheckReadme.cmake
file(READ ${README} readme)
foreach(name CMakeLists.txt main.cpp)
    set(marker "<!-- example: tests/consumer/${name} -->\n```")
    string(FIND "${readme}" "${marker}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${README} quotes no tests/consumer/${name}")
    endif()
    string(LENGTH "${marker}" length)
    math(EXPR at "${at} + ${length}")
    string(SUBSTRING "${readme}" ${at} -1 rest)
    string(FIND "${rest}" "\n" line_end) # the rest of the fence line (its language)
    math(EXPR line_end "${line_end} + 1")
    string(SUBSTRING "${rest}" ${line_end} -1 rest)
    string(FIND "${rest}" "\n```\n" block_end)
    if(block_end EQUAL -1)
        message(FATAL_ERROR "The quote of ${name} in ${README} is not closed")
    endif()
    math(EXPR block_end "${block_end} + 1")
    string(SUBSTRING "${rest}" 0 ${block_end} quoted)
    file(READ ${SOURCE_DIR}/${name} actual)
    if(NOT quoted STREQUAL actual)
        message(FATAL_ERROR "${README} quotes an old tests/consumer/${name}; copy the file in again")
    endif()
endforeach()
