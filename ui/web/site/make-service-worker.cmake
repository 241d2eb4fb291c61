# Writes the site's service worker (sw.js) from its template: the list of
# every file in the site folder with the start of its SHA-256, and a cache name made of the version and the
# start of a SHA-256 over those files' names and contents, so that any change
# to the site gives a new cache.
#   cmake -DSITE_DIR=... -DTEMPLATE=... -DVERSION=... -P make-service-worker.cmake

file(GLOB_RECURSE files RELATIVE "${SITE_DIR}" "${SITE_DIR}/*")
list(REMOVE_ITEM files "sw.js")
list(SORT files)
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
