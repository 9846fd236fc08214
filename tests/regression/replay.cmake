# One regression game: `vestran-tool replay` plays GAME/start.psv by GAME/script with
# the game's own rules, and what it prints (GAME/log), `vestran-tool info --json` of
# the game's end (GAME/info.json) and the SHA-256 of the saved end (GAME/end.sha256)
# must be what is committed. A change of the rules that shifts a game fails here.
#
# When a change is meant to shift the games, write the expectations anew and commit
# them with the change (see README):
#   VESTRAN_REGEN=1 ctest --test-dir build -R '^regression\.'
#
# ctest runs: cmake -DTOOL=<vestran-tool> -DGAME=<folder> -DWORK=<scratch> -P replay.cmake
get_filename_component(name "${GAME}" NAME)
file(MAKE_DIRECTORY "${WORK}")
set(end "${WORK}/end.psv")
file(REMOVE "${end}")

execute_process(COMMAND "${TOOL}" replay "${GAME}/start.psv" "${GAME}/script" --out "${end}"
                OUTPUT_VARIABLE log ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${name}: the replay stopped (${rc}):\n${log}${err}")
endif()
execute_process(COMMAND "${TOOL}" info --json "${end}"
                OUTPUT_VARIABLE json ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${name}: info --json failed (${rc}):\n${err}")
endif()
file(SHA256 "${end}" hash)
set(hash "${hash}\n")

set(files log info.json end.sha256)
set(texts log json hash)
if(NOT "$ENV{VESTRAN_REGEN}" STREQUAL "" AND NOT "$ENV{VESTRAN_REGEN}" STREQUAL "0")
  foreach(file text IN ZIP_LISTS files texts)
    file(WRITE "${GAME}/${file}" "${${text}}")
  endforeach()
  message(STATUS "${name}: expectations written anew")
  return()
endif()

set(differs "")
foreach(file text IN ZIP_LISTS files texts)
  file(READ "${GAME}/${file}" expected)
  if(NOT expected STREQUAL "${${text}}")
    file(WRITE "${WORK}/${file}" "${${text}}")
    execute_process(COMMAND diff -u "${GAME}/${file}" "${WORK}/${file}")
    list(APPEND differs ${file})
  endif()
endforeach()
if(differs)
  message(FATAL_ERROR "${name} plays differently (${differs}); VESTRAN_REGEN=1 writes the "
                      "expectations anew when that is meant")
endif()
