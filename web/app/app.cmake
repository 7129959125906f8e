# Writes the folder of the page for a web host, from which a browser installs
# it as an app: FOLDER/index.html (the page PAGE, its policy allowing what an
# app takes from beside it: the manifest, its icons, the worker), the manifest, the
# service worker (its store named after the page's SHA-256, so that every new
# page replaces the kept one) and the icons (ICONS, drawn by
# packaging/draw_icon.py). Run by the build: cmake -DPAGE=... -DFOLDER=...
# -DICONS=a.png;b.png -DPROJECT_VERSION=... -DPROJECT_DESCRIPTION=... -P app.cmake
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
file(READ "${PAGE}" page)
set(sealed "form-action 'none'\"")
string(FIND "${page}" "${sealed}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} holds no policy ending in ${sealed}")
endif()
string(REPLACE "${sealed}" "form-action 'none'; manifest-src 'self'; img-src 'self'; worker-src 'self'\"" page "${page}")
file(WRITE "${FOLDER}/index.html" "${page}")
file(SHA256 "${PAGE}" PAGE_SHA256)
set(ICON_FILES "")
foreach(icon IN LISTS ICONS)
    get_filename_component(name "${icon}" NAME)
    file(COPY_FILE "${icon}" "${FOLDER}/${name}")
    list(APPEND ICON_FILES "\"${name}\"")
endforeach()
list(JOIN ICON_FILES ", " ICON_FILES)
configure_file("${CMAKE_CURRENT_LIST_DIR}/manifest.webmanifest.in" "${FOLDER}/manifest.webmanifest" @ONLY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/sw.js.in" "${FOLDER}/sw.js" @ONLY)
