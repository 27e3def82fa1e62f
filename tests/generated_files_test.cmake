# The committed strategy table is exactly what its generator script writes:
# run it into a scratch folder and compare byte for byte. (The pictures and
# icons have their own check, draw_images.py --check, among the window tests.)
#   cmake -DPYTHON=<python3> -DSOURCE=<source dir> -DWORK=<scratch dir> -P generated_files_test.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PYTHON}" "${SOURCE}/scripts/generate_strategy_table.py" "${WORK}/strategy_table.txt"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "generate_strategy_table.py failed")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/strategy_table.txt"
  "${SOURCE}/opponent/strategy_table.txt" RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "opponent/strategy_table.txt differs from what generate_strategy_table.py writes")
endif()
file(REMOVE_RECURSE "${WORK}")
