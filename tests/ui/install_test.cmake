# Installs the game into a scratch prefix and checks the desktop's view of
# it: both programs, the entry that starts the game, its metadata, icons,
# manual pages and licence, and the "*.tvu" profile type that opens with it.
#   cmake -DBUILD=<build dir> -DPREFIX=<scratch dir> -P install_test.cmake

get_filename_component(PREFIX "${PREFIX}" ABSOLUTE)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(entry share/applications/io.github.tarvell.tarvell.desktop)
foreach(file games/tarvell games/tarvell-cli ${entry} share/metainfo/io.github.tarvell.tarvell.metainfo.xml
             share/mime/packages/tarvell.xml share/man/man6/tarvell.6 share/man/man6/tarvell-cli.6
             share/doc/tarvell/copyright)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Every size of the icon, for the program and for its profiles, is a PNG of that size.
foreach(size 16 24 32 48 64 128 256)
  foreach(icon apps/io.github.tarvell.tarvell mimetypes/application-x-tarvell-profile)
    set(file "${PREFIX}/share/icons/hicolor/${size}x${size}/${icon}.png")
    if(NOT EXISTS "${file}")
      message(FATAL_ERROR "not installed: ${file}")
    endif()
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "0000000" side "${side}")
    string(REGEX MATCH "........$" side "${side}")
    # Width, height, 8 bits per channel and colour type 6: RGBA, so that the corners can be see-through.
    file(READ "${file}" header HEX LIMIT 26)
    if(NOT header MATCHES "^89504e47.*${side}${side}0806$")
      message(FATAL_ERROR "${file} is not a ${size} x ${size} RGBA PNG: ${header}")
    endif()
  endforeach()
endforeach()
foreach(icon apps/io.github.tarvell.tarvell mimetypes/application-x-tarvell-profile)
  set(file "${PREFIX}/share/icons/hicolor/scalable/${icon}.svg")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
  file(READ "${file}" picture)
  if(NOT picture MATCHES "<svg [^>]*viewBox=\"0 0 32 32\"")
    message(FATAL_ERROR "${file} is not the 32 x 32 picture as SVG")
  endif()
endforeach()

file(READ "${PREFIX}/${entry}" text)
foreach(line "Exec=${PREFIX}/games/tarvell --data-folder %f" "Icon=io.github.tarvell.tarvell" "MimeType=application/x-tarvell-profile;"
             "Type=Application")
  string(FIND "${text}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

file(READ "${PREFIX}/share/mime/packages/tarvell.xml" type)
foreach(part [[type="application/x-tarvell-profile"]] [[<glob pattern="*.tvu"/>]] "<comment>Tarvell Profile</comment>"
             [[<icon name="application-x-tarvell-profile"/>]])
  string(FIND "${type}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the profile type lacks ${part}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
