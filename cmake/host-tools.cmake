# The renderer of the drawings for a cross build, a tool for the build
# machine: the one given (the Linux build's, which the test command builds
# first), or one built here. Sets render_png, the tool, and
# render_png_depends, what a rendering depends on.
set(KULBO_RENDER_PNG "" CACHE FILEPATH "kulbo_render_png built for this machine; empty: build it here")
if(KULBO_RENDER_PNG)
  set(render_png ${KULBO_RENDER_PNG})
  set(render_png_depends ${KULBO_RENDER_PNG})
else()
  include(ExternalProject)
  set(render_png ${CMAKE_BINARY_DIR}/host-tools/kulbo_render_png)
  ExternalProject_Add(kulbo_host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON  # its own build notices when tools/ changes
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${render_png})
  set(render_png_depends kulbo_host_tools)
endif()
