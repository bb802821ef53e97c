# The terminal player on the longest story it accepts, and on one line more.
file(MAKE_DIRECTORY ${WORK})
string(REPEAT "pn line\r\n" 32765 body)
file(WRITE ${WORK}/longest.teg "${body}pn end\r\n")   # 32766 CRs: 32767 lines
file(WRITE ${WORK}/too-long.teg "${body}pn end\r\n\r")  # 32767 CRs
execute_process(COMMAND ${CLI} ${WORK}/longest.teg INPUT_FILE /dev/null
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(LENGTH "${out}" length)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "line\nend\n$")
    message(SEND_ERROR "longest story: status ${status}, ${length} bytes out, error: ${err}")
endif()
execute_process(COMMAND ${CLI} ${WORK}/too-long.teg INPUT_FILE /dev/null
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "^\\[Ошибка!\\] В файле истории слишком много строк")
    message(SEND_ERROR "too long a story: status ${status}, out: ${out}, error: ${err}")
endif()
