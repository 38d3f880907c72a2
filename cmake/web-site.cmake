# Lays out the static site in SITE from the page's files in SOURCE and the
# program built in BUILD: the service worker names its cache after the
# files' content, so that a new build replaces what a browser keeps.
set(files index.html kulbo.css kulbo.js kulbo.wasm kulbo.webmanifest icons/kulbo.svg icons/unlock.svg icons/cancel.svg)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/icons)
file(COPY ${SOURCE}/src/web/index.html ${SOURCE}/src/web/kulbo.css DESTINATION ${SITE})
file(COPY ${BUILD}/kulbo.js ${BUILD}/kulbo.wasm ${BUILD}/kulbo.webmanifest DESTINATION ${SITE})
file(COPY ${SOURCE}/data/icons/kulbo.svg ${SOURCE}/data/icons/unlock.svg ${SOURCE}/data/icons/cancel.svg DESTINATION ${SITE}/icons)
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
