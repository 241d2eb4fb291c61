# Builds the web edition with Debian's Emscripten (package emscripten): the
# core, the design and the headless calculator to WebAssembly, run by Node in
# the tests and by the browser in the page.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The calculation reports its faults by throwing: C++ exceptions on, as
# WebAssembly's own (a throw and its catch stay inside the module, with no call
# through JavaScript around every call that might throw; Firefox 100, Chrome 95
# and Safari 15.2 or newer run them, and Node 20). Every object of a program
# must be compiled so. Its C++ library lacks std::bit_cast: a small header adds
# it to every source.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions -include ${CMAKE_CURRENT_LIST_DIR}/web/bit_cast.h")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")

# Linking optimises the JavaScript glue with Node scripts that need Debian's
# JavaScript modules (acorn and others).
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# Code optimised for size: the page's module is fetched over a phone's
# network. With WebAssembly's own exceptions a calculation so compiled took
# 0.8 times as long as at -O2 with the exceptions through JavaScript (Node 20,
# the two alternating). Not kept as bitcode to the link (-flto) here: every
# test program's link would then compile all its code again, minutes more for
# the web build; the page's module compiles its own copies so (ui/web/module).
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG" CACHE STRING "")
