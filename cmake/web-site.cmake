# Lays out the static site in SITE from the page's files in SOURCE and the
# program built in BUILD: the service worker names its cache after the
# files' content, so that a new build replaces what a browser keeps.
set(icons icons/kulbo.svg icons/unlock.svg icons/cancel.svg icons/kulbo-192.png icons/kulbo-512.png
  icons/kulbo-maskable-512.png icons/kulbo-180.png)
set(files index.html kulbo.css kulbo.js kulbo.wasm kulbo.webmanifest mask-asterisk.ttf ${icons})
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/icons)

# The words the page shows before the program has loaded are the program's.
include(${SOURCE}/cmake/messages.cmake)
kulbo_messages(${SOURCE}/src/app/messages.h AppTitle PageLoading PageNeedsScripts)
configure_file(${SOURCE}/src/web/index.html ${SITE}/index.html @ONLY)

file(COPY ${SOURCE}/src/web/kulbo.css DESTINATION ${SITE})
file(COPY ${BUILD}/kulbo.js ${BUILD}/kulbo.wasm ${BUILD}/kulbo.webmanifest ${BUILD}/mask-asterisk.ttf DESTINATION ${SITE})
file(COPY ${SOURCE}/data/icons/kulbo.svg ${SOURCE}/data/icons/unlock.svg ${SOURCE}/data/icons/cancel.svg DESTINATION ${SITE}/icons)
foreach(png IN ITEMS "kulbo 192" "kulbo 512" "kulbo-maskable 512" "kulbo-maskable 180")
  separate_arguments(png)
  list(GET png 0 name)
  list(GET png 1 size)
  set(to ${name}-${size}.png)
  if(name STREQUAL kulbo-maskable AND size EQUAL 180)
    set(to kulbo-180.png)  # a home screen's icon: iOS rounds its corners itself
  endif()
  file(COPY_FILE ${BUILD}/pictures/${size}x${size}/apps/${name}.png ${SITE}/icons/${to})
endforeach()

set(content "")
set(SITE_FILES "\"./\"")
foreach(name IN LISTS files)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND content "${hash}")
  string(APPEND SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 SITE_HASH "${content}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
configure_file(${SOURCE}/src/web/sw.js ${SITE}/sw.js @ONLY)
