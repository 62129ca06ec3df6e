cmake_minimum_required(VERSION 3.16)
# cmake -P ManPages.cmake: writes mousecfg.1 and mousecfgctl.1 from the one manual source.
#   -DSOURCE=manual.in -DOUT_DIR=dir -DCTL=path/to/mousecfgctl -DVERSION=x.y -DDATE=yyyy-mm-dd
execute_process(COMMAND ${CTL} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${CTL} --help failed: ${result}")
endif()
# Help text in a no-fill block: backslashes printed as such, no line taken for a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")

file(READ ${SOURCE} text)
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
string(REPLACE "@DATE@" "${DATE}" text "${text}")
string(REPLACE "@CTL_HELP@" "${help}" text "${text}")

# Pages begin at their "@@PAGE name" lines; what comes before is the source's own comment.
string(REGEX MATCHALL "@@PAGE [a-z]+\n" markers "${text}")
foreach(marker IN LISTS markers)
  string(REGEX REPLACE "@@PAGE ([a-z]+)\n" "\\1" page "${marker}")
  string(FIND "${text}" "${marker}" start)
  string(LENGTH "${marker}" marker_length)
  math(EXPR start "${start} + ${marker_length}")
  string(SUBSTRING "${text}" ${start} -1 rest)
  string(FIND "${rest}" "@@PAGE " end)
  if(end GREATER -1)
    string(SUBSTRING "${rest}" 0 ${end} rest)
  endif()
  file(WRITE ${OUT_DIR}/${page}.1 "${rest}")
endforeach()
