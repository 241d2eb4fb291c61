# Writes the site's service worker (sw.js) from its template: the list of
# the site's files with the start of each one's SHA-256, and a cache name
# made of the version and the start of a SHA-256 over those files' names and
# contents, so that any change to the site gives a new cache.
#   cmake -DSITE_DIR=... -DFILES=a|b|... -DTEMPLATE=... -DVERSION=...
#         -P make-service-worker.cmake
cmake_minimum_required(VERSION 3.25)

# FILES: the site's files by name, "|" between them. The folder keeps those
# alone (and sw.js): anything an earlier build left there goes.
string(REPLACE "|" ";" files "${FILES}")
list(SORT files)
file(GLOB_RECURSE present RELATIVE "${SITE_DIR}" "${SITE_DIR}/*")
foreach(file IN LISTS present)
    if(NOT file IN_LIST files AND NOT file STREQUAL "sw.js")
        file(REMOVE "${SITE_DIR}/${file}")
    endif()
endforeach()
# Each entry: [name, the first 16 hexadecimal digits of its SHA-256], which
# the worker checks a copy from the browser's HTTP cache against; the folder
# "./" is the page, index.html.
set(digest_input "")
file(SHA256 "${SITE_DIR}/index.html" page_hash)
string(SUBSTRING "${page_hash}" 0 16 page_hash)
set(entries "[\"./\", \"${page_hash}\"]")
foreach(file IN LISTS files)
    file(SHA256 "${SITE_DIR}/${file}" file_hash)
    string(APPEND digest_input "${file} ${file_hash}\n")
    string(SUBSTRING "${file_hash}" 0 16 file_hash)
    string(APPEND entries ", [\"${file}\", \"${file_hash}\"]")
endforeach()
string(SHA256 site_hash "${digest_input}")
string(SUBSTRING "${site_hash}" 0 16 site_hash)

set(CACHE_PREFIX "zephyrod-")
set(CACHE_NAME "${CACHE_PREFIX}${VERSION}-${site_hash}")
set(SITE_FILES "${entries}")
configure_file("${TEMPLATE}" "${SITE_DIR}/sw.js" @ONLY)
