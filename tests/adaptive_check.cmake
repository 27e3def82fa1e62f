# Adaptive Chaos, counted rather than timed: the strong policy, which wins
# most games against classic Chaos, wins at most 60 of 100 games (seed 2026,
# at most 20 turns a game) against Chaos in adaptive mode (74 in classic
# mode).
#   cmake -DCLI=path/to/tarvell-cli -P adaptive_check.cmake
execute_process(
  COMMAND ${CLI} play --policy strong --seed 2026 --games 100 --max-turns 20 --chaos adaptive
  OUTPUT_VARIABLE out
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarvell-cli play ended with status ${status}")
endif()
if(NOT out MATCHES "\ngames 100, wins ([0-9]+), losses [0-9]+, abandoned [0-9]+\n")
  message(FATAL_ERROR "no summary line in:\n${out}")
endif()
set(wins ${CMAKE_MATCH_1})
message(STATUS "strong won ${wins} of 100 games against adaptive Chaos")
if(wins GREATER 60)
  message(FATAL_ERROR "strong won ${wins} of 100 games against adaptive Chaos; at most 60 expected")
endif()
