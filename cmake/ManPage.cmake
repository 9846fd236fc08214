# Writes a section-6 manual page, compressed with gzip -9n, from a program's own
# --help text, so that the page and --help always say the same.
#   cmake -DPROGRAM=exe -DNAME=vestran -DSUMMARY="..." -DVERSION=1.4.0 -DDATE=2026-12-08
#         [-DCOMMANDS=ON] [-DFILES_TEXT=file] -DOUT=vestran.6.gz -P ManPage.cmake
# COMMANDS=ON adds each command's own --help, for programs whose --help lists
# commands ("  name   summary" lines after "Commands:").
# FILES_TEXT names a file whose lines become the FILES section.

# Roff text for one line: backslashes and hyphens escaped, and no line may start
# with a control character.
function(roff_escape line out)
  string(REPLACE "@LB@" "[" line "${line}")
  string(REPLACE "@RB@" "]" line "${line}")
  string(REPLACE "\\" "\\e" line "${line}")
  string(REPLACE "-" "\\-" line "${line}")
  if(line MATCHES "^[.']")
    set(line "\\&${line}")
  endif()
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

function(help_of args out)
  execute_process(COMMAND ${PROGRAM} ${args} OUTPUT_VARIABLE text RESULT_VARIABLE rc
                  ENCODING UTF-8)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${args} failed (${rc})")
  endif()
  # The program names itself as it was started; the page names it plainly.
  string(REPLACE "${PROGRAM}" "${NAME}" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The lines of a text as a list. Brackets would hold semicolons together in a
# list, so they travel as @LB@ and @RB@ until roff_escape.
function(split_lines text out)
  string(REPLACE "[" "@LB@" text "${text}")
  string(REPLACE "]" "@RB@" text "${text}")
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One --help text as roff: the usage lines (the first, and any indented ones
# right after it) as the synopsis; "  option  text" lines as tagged paragraphs,
# with their indented continuation lines; everything else as running text.
function(help_to_roff text synopsis_out body_out)
  split_lines("${text}" lines)
  set(synopsis "")
  set(body "")
  set(in_usage TRUE)
  set(in_item FALSE)
  foreach(line IN LISTS lines)
    if(in_usage)
      if(line MATCHES "^Usage: (.*)$")
        set(usage "${CMAKE_MATCH_1}")
      elseif(line MATCHES "^       +(.*)$")
        set(usage "${CMAKE_MATCH_1}")
      else()
        set(in_usage FALSE)
      endif()
      if(in_usage)
        roff_escape("${usage}" esc)
        string(APPEND synopsis "${esc}\n")
        continue()
      endif()
    endif()
    if(line STREQUAL "")
      if(NOT body STREQUAL "")
        string(APPEND body ".PP\n")
      endif()
      set(in_item FALSE)
    elseif(line MATCHES "^  ([^ ]+( [^ ]+)*)  +(.*)$")
      roff_escape("${CMAKE_MATCH_1}" tag)
      roff_escape("${CMAKE_MATCH_3}" esc)
      string(APPEND body ".TP\n.B ${tag}\n${esc}\n")
      set(in_item TRUE)
    elseif(in_item AND line MATCHES "^    +(.*)$")
      roff_escape("${CMAKE_MATCH_1}" esc)
      string(APPEND body "${esc}\n")
    else()
      if(in_item)
        string(APPEND body ".PP\n")
        set(in_item FALSE)
      endif()
      string(STRIP "${line}" line)
      roff_escape("${line}" esc)
      string(APPEND body "${esc}\n")
    endif()
  endforeach()
  set(${synopsis_out} "${synopsis}" PARENT_SCOPE)
  set(${body_out} "${body}" PARENT_SCOPE)
endfunction()

help_of(--help help)
help_to_roff("${help}" synopsis body)
string(TOUPPER "${NAME}" title)
roff_escape("${NAME}" name_esc)
roff_escape("${SUMMARY}" summary_esc)
set(page ".TH ${title} 6 \"${DATE}\" \"Vestran ${VERSION}\" \"Games\"
.SH NAME
${name_esc} \\- ${summary_esc}
.SH SYNOPSIS
.nf
${synopsis}.fi
.SH DESCRIPTION
${body}")

if(COMMANDS)
  string(APPEND page ".SH COMMANDS\n")
  string(REGEX MATCH "Commands:\n(  [^\n]*\n?)+" list "${help}")
  string(REGEX MATCHALL "\n  [^ \n]+" names "${list}")
  foreach(command IN LISTS names)
    string(STRIP "${command}" command)
    help_of("${command};--help" text)
    # Each command's help keeps its own layout.
    split_lines("${text}" lines)
    roff_escape("${command}" esc)
    string(APPEND page ".SS ${esc}\n.nf\n")
    foreach(line IN LISTS lines)
      roff_escape("${line}" esc)
      string(APPEND page "${esc}\n")
    endforeach()
    string(APPEND page ".fi\n")
  endforeach()
endif()

if(FILES_TEXT)
  file(READ "${FILES_TEXT}" extra)
  string(REGEX REPLACE "\n$" "" extra "${extra}")
  split_lines("${extra}" extra)
  string(APPEND page ".SH FILES\n")
  foreach(line IN LISTS extra)
    if(line MATCHES "^\\* (.*)$")
      roff_escape("${CMAKE_MATCH_1}" esc)
      string(APPEND page ".TP\n.I ${esc}\n")
    else()
      roff_escape("${line}" esc)
      string(APPEND page "${esc}\n")
    endif()
  endforeach()
endif()

get_filename_component(raw "${OUT}" NAME_WLE)
get_filename_component(dir "${OUT}" DIRECTORY)
file(WRITE "${dir}/${raw}" "${page}")
execute_process(COMMAND gzip -9nf "${dir}/${raw}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${dir}/${raw}")
endif()
