# Installs the build twice, under a prefix of its own and under DESTDIR with
# the prefix /usr, and checks that each holds the program and a desktop entry
# whose Exec names the installed program.
# Arguments: BUILD_DIR (the build to install), WORK_DIR (emptied first).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK_DIR}")

function(check_install root prefix)
  set(program "${root}${prefix}/bin/velmora")
  set(entry "${root}${prefix}/share/applications/velmora.desktop")
  if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
    message(FATAL_ERROR "not installed: ${program}")
  endif()
  if(NOT EXISTS "${entry}")
    message(FATAL_ERROR "not installed: ${entry}")
  endif()
  file(STRINGS "${entry}" lines)
  foreach(expected IN ITEMS "[Desktop Entry]" "Type=Application" "Name=Velmora"
                            "Exec=${prefix}/bin/velmora" "Terminal=false")
    if(NOT expected IN_LIST lines)
      message(FATAL_ERROR "${entry} lacks the line \"${expected}\":\n${lines}")
    endif()
  endforeach()
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
check_install("" "${WORK_DIR}/prefix")

execute_process(COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${WORK_DIR}/destdir"
                        ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
check_install("${WORK_DIR}/destdir" "/usr")
