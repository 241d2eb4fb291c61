# What every package gets from cpack (included before include(CPack)): the
# source date (cmake/reproducible.cmake) as the time of every file in it and
# of the package itself, modes that do not depend on the umask, and its
# SHA-256 sum in the file SHA256SUMS beside it.
set(CPACK_ZEPHYROD_SOURCE_DATE_EPOCH "${ZEPHYROD_SOURCE_DATE_EPOCH}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack-source-date.cmake")
list(APPEND CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/cpack-staged-files.cmake")
list(APPEND CPACK_POST_BUILD_SCRIPTS
    "${CMAKE_CURRENT_LIST_DIR}/cpack-package-files.cmake"
    "${CMAKE_CURRENT_LIST_DIR}/sha256sums.cmake")
