# The committed strategy table and pictures are exactly what their generator
# scripts write: run both into a scratch folder and compare byte for byte.
#   cmake -DPYTHON=<python3> -DSOURCE=<source dir> -DWORK=<scratch dir> -P generated_files_test.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/images")

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

execute_process(COMMAND "${PYTHON}" "${SOURCE}/scripts/draw_images.py" "${WORK}/images" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "draw_images.py failed")
endif()
file(GLOB drawn RELATIVE "${WORK}/images" "${WORK}/images/*")
file(GLOB committed RELATIVE "${SOURCE}/ui/resources/images" "${SOURCE}/ui/resources/images/*.xpm")
list(SORT drawn)
list(SORT committed)
if(NOT drawn STREQUAL committed)
  message(FATAL_ERROR "draw_images.py writes ${drawn}\nbut ui/resources/images holds ${committed}")
endif()
foreach(image IN LISTS drawn)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/images/${image}"
    "${SOURCE}/ui/resources/images/${image}" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "ui/resources/images/${image} differs from what draw_images.py writes")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
