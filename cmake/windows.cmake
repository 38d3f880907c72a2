# The Windows program: the Win32 front end over the core, its pictures and
# resources; and how its tests run under Wine on the build machine.

if(KULBO_FRONT_END)
  # The drawings become icon files, rendered by a tool made for the build
  # machine: the program itself carries no SVG renderer.
  include(cmake/host-tools.cmake)
  set(KULBO_PICTURES ${CMAKE_BINARY_DIR}/pictures)
  set(icons)
  foreach(drawing IN ITEMS "kulbo 16 20 24 32 40 48 64 128 256" "unlock 32 48 64" "cancel 32 48 64")
    separate_arguments(drawing)
    list(POP_FRONT drawing name)
    add_custom_command(OUTPUT ${KULBO_PICTURES}/${name}.ico
      COMMAND ${CMAKE_COMMAND} -E make_directory ${KULBO_PICTURES}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${render_png}
              ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/${name}.svg ${KULBO_PICTURES}/${name}.ico ${drawing}
      DEPENDS ${render_png_depends} data/icons/${name}.svg)
    list(APPEND icons ${KULBO_PICTURES}/${name}.ico)
  endforeach()
  # The picture beside the installer's finish page, at the size it is shown.
  add_custom_command(OUTPUT ${KULBO_PICTURES}/installer.bmp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KULBO_PICTURES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${render_png}
            ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/installer.svg ${KULBO_PICTURES}/installer.bmp
    DEPENDS ${render_png_depends} data/icons/installer.svg)
  add_custom_target(kulbo_installer_picture ALL DEPENDS ${KULBO_PICTURES}/installer.bmp)
  # The maker, as the file's properties and the packages name it.
  set(KULBO_VENDOR "Kulbo developers")
  configure_file(src/win32/kulbo.rc.in kulbo.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/kulbo.rc PROPERTIES
    OBJECT_DEPENDS "${icons};${CMAKE_SOURCE_DIR}/src/win32/kulbo.manifest")

  # The native view and the platform behind the core's port.
  add_library(kulbo_front_end STATIC
    src/win32/application.cpp
    src/win32/message_loop.cpp
    src/win32/main_window.cpp
    src/win32/window_size.cpp
    src/win32/focus_keeper.cpp
    src/win32/key_router.cpp
    src/win32/controls.cpp
    src/win32/looks.cpp
    src/win32/reader_object.cpp
    src/win32/reader_news.cpp
    src/win32/question_box.cpp
    src/win32/win32_dialogs.cpp
  )
  # The libraries of the Save dialog, the shell and screen readers are loaded
  # when they are needed (platform/windows/system_library.h).
  target_link_libraries(kulbo_front_end PUBLIC kulbo_platform comctl32 ole32 imm32 uuid)
  kulbo_warnings(kulbo_front_end)

  add_executable(kulbo WIN32 src/win32/main.cpp ${CMAKE_BINARY_DIR}/kulbo.rc)
  target_include_directories(kulbo PRIVATE src/win32)
  target_link_libraries(kulbo PRIVATE kulbo_front_end)
  # -municode only here: gtest_main wants the narrow main.
  target_link_options(kulbo PRIVATE -municode -s -Wl,--gc-sections)
  kulbo_warnings(kulbo)

  include(cmake/windows-package.cmake)
endif()


if(BUILD_TESTING)
  # Debian ships GoogleTest's sources, built here with the program (they
  # name their targets GTest::gtest and GTest::gtest_main themselves).
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  # Every test program runs under Wine, in this build folder's prefix; the
  # tests are listed when ctest starts, so the build never runs Wine.
  set(KULBO_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
  configure_file(tests/win32/wine-run.in wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# The end-to-end scripts of both programs, and Windows' own, against the
# real program under Wine. One copy of the program at a time runs in the
# prefix: the copies would meet as one user's.
function(kulbo_windows_tests)
  # The view in real windows: an X server of its own when none is there.
  # One program with windows at a time: Wine's desktop process serves the
  # whole prefix on the display it started on, and goes when that one goes.
  add_executable(kulbo_front_end_tests tests/win32/front_end_test.cpp
    tests/front_end/scenarios.cpp ${CMAKE_BINARY_DIR}/kulbo.rc)  # the program's pictures and manifest
  target_include_directories(kulbo_front_end_tests PRIVATE src/win32)
  target_link_libraries(kulbo_front_end_tests PRIVATE kulbo_front_end kulbo_test_support GTest::gtest oleacc oleaut32)
  set_target_properties(kulbo_front_end_tests PROPERTIES CROSSCOMPILING_EMULATOR
    "bash;${CMAKE_SOURCE_DIR}/scripts/with-display;${CMAKE_BINARY_DIR}/wine-run")
  kulbo_warnings(kulbo_front_end_tests)
  # One run for all cases: each display of its own costs Wine a new desktop
  # process, two seconds a case.
  add_test(NAME front_end.win32 COMMAND kulbo_front_end_tests)
  set_tests_properties(front_end.win32 PROPERTIES TIMEOUT 120 RESOURCE_LOCK wine_program)

  # What another program's window shows, for the installer's test.
  add_executable(kulbo_window_texts tests/win32/window_texts.cpp)
  target_link_libraries(kulbo_window_texts PRIVATE kulbo_platform)
  target_link_options(kulbo_window_texts PRIVATE -municode)
  kulbo_warnings(kulbo_window_texts)

  kulbo_end_to_end_tests($<TARGET_FILE:kulbo> windows)
  set_tests_properties(e2e PROPERTIES RESOURCE_LOCK wine_program ENVIRONMENT "KULBO_WINE=${CMAKE_BINARY_DIR}/wine-run")
endfunction()

# What the benchmarks run (scripts/bench-windows): a bare window built as
# the program is, the same with one label in the Song face, and the
# program's timers seen at inputs.
if(KULBO_FRONT_END AND KULBO_BENCHMARKS)
  foreach(floor IN ITEMS "kulbo_bare_window false" "kulbo_song_label_window true")
    separate_arguments(floor)
    list(GET floor 0 name)
    list(GET floor 1 song_label)
    add_executable(${name} WIN32 bench/bare_window_win32.cpp)
    target_compile_definitions(${name} PRIVATE KULBO_SONG_LABEL=${song_label})
    target_link_options(${name} PRIVATE -municode -s -Wl,--gc-sections)
    kulbo_warnings(${name})
  endforeach()
  add_executable(kulbo_ticks_bench bench/win32_ticks_bench.cpp)
  target_link_libraries(kulbo_ticks_bench PRIVATE kulbo_front_end)
  target_link_options(kulbo_ticks_bench PRIVATE -municode)
  kulbo_warnings(kulbo_ticks_bench)
endif()
