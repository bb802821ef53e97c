# Plays one golden case, CASE (its path under DIR, without an extension), with the player command
# PLAYER (a list: the program and any arguments before the case's own), and compares standard
# output and standard error with the expected files byte for byte. See golden/README.md.
get_filename_component(case ${DIR}/${CASE} ABSOLUTE)
get_filename_component(dir ${case} DIRECTORY)
get_filename_component(name ${case} NAME)
get_filename_component(actual ${WORK}/${CASE} ABSOLUTE)
file(WRITE ${actual}.out "") # and its folder

set(input /dev/null)
if(EXISTS ${case}.in)
    set(input ${case}.in)
endif()
# The other files of a case each hold a value: the story's path, options, a status, a path.
set(story ${name}.teg)
set(args "")
set(expected_status 0)
set(output ${actual}.out)
foreach(file path:story args:args status:expected_status stdout:output)
    string(REGEX MATCH "^[a-z]+" extension ${file})
    string(REGEX MATCH "[a-z_]+$" variable ${file})
    if(EXISTS ${case}.${extension})
        file(STRINGS ${case}.${extension} ${variable})
    endif()
endforeach()

execute_process(COMMAND ${PLAYER} ${args} ${story} WORKING_DIRECTORY ${dir} INPUT_FILE ${input}
                OUTPUT_FILE ${output} ERROR_FILE ${actual}.err RESULT_VARIABLE status)
if(NOT status STREQUAL expected_status)
    message(SEND_ERROR "${CASE}: exit status ${status}, expected ${expected_status}")
endif()
foreach(stream out err)
    if(DEFINED ENV{ZUFT_UPDATE_GOLDEN})
        file(COPY_FILE ${actual}.${stream} ${case}.${stream})
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${case}.${stream}
                            ${actual}.${stream} RESULT_VARIABLE different)
    if(different)
        execute_process(COMMAND diff -u ${case}.${stream} ${actual}.${stream})
        message(SEND_ERROR "${CASE}: standard ${stream} differs from ${name}.${stream}")
    endif()
endforeach()
