# Installs the game into a scratch prefix and checks the desktop's view of
# it: the program, its entry, its icon and the "*.tvu" profile type that
# opens with it.
#   cmake -DBUILD=<build dir> -DPREFIX=<scratch dir> -P install_test.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file bin/tarvell share/applications/tarvell.desktop share/mime/packages/tarvell.xml
             share/icons/hicolor/32x32/apps/tarvell.png share/icons/hicolor/32x32/mimetypes/application-x-tarvell-profile.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/tarvell.desktop" entry)
foreach(line "Exec=tarvell %f" "Icon=tarvell" "MimeType=application/x-tarvell-profile;" "Type=Application")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

file(READ "${PREFIX}/share/mime/packages/tarvell.xml" type)
foreach(part [[type="application/x-tarvell-profile"]] [[<glob pattern="*.tvu"/>]] "<comment>Tarvell Profile</comment>"
             [[<icon name="tarvell"/>]])
  string(FIND "${type}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the profile type lacks ${part}")
  endif()
endforeach()

file(READ "${PREFIX}/share/icons/hicolor/32x32/apps/tarvell.png" icon HEX LIMIT 24)
if(NOT icon MATCHES "^89504e47.*0000002000000020$")
  message(FATAL_ERROR "the icon is not a 32 x 32 PNG: ${icon}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
