# Builds the web edition with Debian's Emscripten (package emscripten): the
# core, the design and the headless calculator to WebAssembly, run by Node in
# the tests and by the browser in the page.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The calculation reports its faults by throwing: C++ exceptions on. Its
# C++ library lacks std::bit_cast: a small header adds it to every source.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions -include ${CMAKE_CURRENT_LIST_DIR}/web/bit_cast.h")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")

# Linking optimises the JavaScript glue with Node scripts that need Debian's
# JavaScript modules (acorn and others).
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# Code optimised for speed: a calculation in the browser at -Oz takes twice as
# long (C++ exceptions cost a call through JavaScript per call that might
# throw, and -Oz inlines little). The page's module is shrunk when it links.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "")
