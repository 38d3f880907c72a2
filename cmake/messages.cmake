# The program's words for files made at build time (the page, the desktop
# entry): kSomeName in src/app/messages.h sets SOME_NAME in the caller.
function(kulbo_messages file)
  file(READ ${file} messages)
  foreach(name IN LISTS ARGN)
    if(NOT messages MATCHES "k${name} = \"([^\"]*)\"")
      message(FATAL_ERROR "messages.h has no k${name}")
    endif()
    set(text "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "([a-z])([A-Z])" "\\1_\\2" variable ${name})
    string(TOUPPER ${variable} variable)
    set(${variable} "${text}" PARENT_SCOPE)
  endforeach()
endfunction()
