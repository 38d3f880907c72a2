# The browser build: the core compiled to WebAssembly by emscripten, and its
# tests run under Node.

if(BUILD_TESTING)
  # Debian ships GoogleTest's sources, built here with the core (they name
  # their targets GTest::gtest and GTest::gtest_main themselves); a test
  # program here has no threads.
  set(gtest_disable_pthreads ON CACHE BOOL "GoogleTest without threads")
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  # Node 20 refuses the loader's fetch of the .wasm by a file path. The tests
  # are listed when ctest starts, so the build never runs Node.
  find_program(KULBO_NODE node REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KULBO_NODE} --no-experimental-fetch)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  # The tests hold long histories: memory grows as they need it.
  add_link_options(-sALLOW_MEMORY_GROWTH=1)
endif()

if(KULBO_FRONT_END)
  # The page: the program over the same core, with the page's script after
  # emscripten's loader in kulbo.js. A handler that opens a box waits there
  # (ASYNCIFY) while the page goes on.
  add_executable(kulbo src/web/exports.cpp src/web/web_page.cpp src/web/json.cpp)
  target_link_libraries(kulbo PRIVATE kulbo_platform)
  kulbo_warnings(kulbo)
  set_target_properties(kulbo PROPERTIES SUFFIX .js)
  target_link_options(kulbo PRIVATE --no-entry -sENVIRONMENT=web -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sEXPORTED_FUNCTIONS=_malloc,_free
    --post-js ${CMAKE_SOURCE_DIR}/src/web/page.js)
  set_property(TARGET kulbo APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/page.js)
  configure_file(src/web/kulbo.webmanifest.in kulbo.webmanifest @ONLY)

  # The icons a tablet's launcher or home screen wants, as PNG.
  include(cmake/host-tools.cmake)
  set(web_pictures ${CMAKE_BINARY_DIR}/pictures)
  set(pngs)
  foreach(drawing IN ITEMS "kulbo 192 512" "kulbo-maskable 180 512")
    separate_arguments(drawing)
    list(POP_FRONT drawing name)
    set(outputs)
    foreach(size IN LISTS drawing)
      list(APPEND outputs ${web_pictures}/${size}x${size}/apps/${name}.png)
    endforeach()
    add_custom_command(OUTPUT ${outputs}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${render_png}
              ${CMAKE_SOURCE_DIR}/data/icons/${name}.svg ${web_pictures} ${name} ${drawing}
      DEPENDS ${render_png_depends} data/icons/${name}.svg)
    list(APPEND pngs ${outputs})
  endforeach()

  # The password box's font, which draws the browser's mask as an asterisk.
  find_program(KULBO_PYTHON python3 REQUIRED)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/mask-asterisk.ttf
    COMMAND ${KULBO_PYTHON} ${CMAKE_SOURCE_DIR}/src/web/mask_font.py ${CMAKE_BINARY_DIR}/mask-asterisk.ttf
    DEPENDS src/web/mask_font.py)

  # The static site: build-web/site.
  set(site_sources src/web/index.html src/web/kulbo.css src/web/sw.js src/app/messages.h cmake/messages.cmake data/icons/kulbo.svg
    data/icons/unlock.svg data/icons/cancel.svg cmake/web-site.cmake)
  list(TRANSFORM site_sources PREPEND ${CMAKE_SOURCE_DIR}/)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/site/sw.js
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DBUILD=${CMAKE_BINARY_DIR} -DSITE=${CMAKE_BINARY_DIR}/site
            -P ${CMAKE_SOURCE_DIR}/cmake/web-site.cmake
    DEPENDS kulbo ${CMAKE_BINARY_DIR}/kulbo.webmanifest ${CMAKE_BINARY_DIR}/mask-asterisk.ttf ${site_sources} ${pngs})
  add_custom_target(kulbo_site ALL DEPENDS ${CMAKE_BINARY_DIR}/site/sw.js)
endif()

# The scenarios of tests/e2e/ against the page in headless Chromium, all in
# one browser (tests/e2e/run.sh starts it); those in tests/e2e/web/ test what
# only the page has.
function(kulbo_web_tests)
  kulbo_end_to_end_tests(${CMAKE_BINARY_DIR}/site web)
endfunction()
