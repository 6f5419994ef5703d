# Writes a help2man include file that gives each vantctl command a subsection holding the
# command's own --help text. The commands are read from vantctl's --help.
#   cmake -DPROGRAM=path/to/vantctl -DOUTPUT=file -P command-help.cmake
function(help_of out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed: ${status}")
  endif()
  set(${out} "${help}" PARENT_SCOPE)
endfunction()

help_of(general)
string(REGEX MATCH "\nCommands:\n(  [a-z]+ [^\n]*\n)+" listing "${general}")
string(REGEX MATCHALL "\n  [a-z]+" commands "${listing}")
if(NOT commands)
  message(FATAL_ERROR "no commands in ${PROGRAM} --help")
endif()

set(text "[COMMANDS]\n")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  help_of(help ${command})
  # The login options stand once, in the page's description.
  string(REGEX REPLACE "\nLogin options [^\n]*:\n.*" "" help "${help}")
  # Shown as written: backslashes, hyphens and line-leading dots are escaped for roff.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
