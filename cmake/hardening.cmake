# The program is built with the hardening Debian gives its own packages:
# dpkg-buildflags with every hardening feature (fortified functions, stack
# protector, full RELRO with BIND_NOW), where it is found. Optimisation and
# debug information stay the build type's.
find_program(KULBO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT KULBO_DPKG_BUILDFLAGS)
  return()
endif()

function(kulbo_buildflags kind out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${KULBO_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-g|^-O|^-ffile-prefix-map=")
  # Fortified functions need the optimiser: an unoptimised build goes without.
  list(TRANSFORM flags REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

kulbo_buildflags(CPPFLAGS preprocessor_flags)
kulbo_buildflags(CXXFLAGS compiler_flags)
kulbo_buildflags(LDFLAGS linker_flags)
foreach(target kulbo_core kulbo_platform kulbo_front_end kulbo)
  target_compile_options(${target} PRIVATE ${preprocessor_flags} ${compiler_flags})
endforeach()
target_link_options(kulbo PRIVATE ${linker_flags})
