# Runs kavora2-cli with ARGS ("|"-separated), standard input from STDIN (optional), and compares its
# standard output with the file EXPECTED and its exit status with EXIT.
string(REPLACE "|" ";" arguments "${ARGS}")
if(STDIN)
  set(input INPUT_FILE "${STDIN}")
else()
  set(input INPUT_FILE /dev/null)
endif()
execute_process(COMMAND "${CLI}" ${arguments} ${input}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status
                WORKING_DIRECTORY "${DIR}")
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  get_filename_component(name "${EXPECTED}" NAME)
  file(WRITE "${OUT}/${name}.actual" "${actual}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${OUT}/${name}.actual")
  message(FATAL_ERROR "standard output differs from ${EXPECTED}\nstandard error:\n${errors}")
endif()
if(NOT "${status}" STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\nstandard error:\n${errors}")
endif()
