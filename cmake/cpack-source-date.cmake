# Read by cpack before it makes each package (CPACK_PROJECT_CONFIG_FILE):
# SOURCE_DATE_EPOCH, unless it is set already, becomes the build's source
# date, for everything cpack runs: its own archives (.deb, .zip) take their
# file times from it, and strip the link time it writes into a Windows
# executable.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_ZEPHYROD_SOURCE_DATE_EPOCH}")
endif()
