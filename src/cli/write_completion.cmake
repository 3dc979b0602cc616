# Writes one shell's completion script as the built tool prints it: cmake -DTOOL= -DSHELL_NAME= -DOUT= -P
# A sanitizer build's leak report at the tool's end is no reason to fail the build.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${TOOL} --completion ${SHELL_NAME} OUTPUT_FILE ${OUT}.new RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUT}.new)
    message(FATAL_ERROR "${TOOL} --completion ${SHELL_NAME} failed: ${status}")
endif()
file(RENAME ${OUT}.new ${OUT})
