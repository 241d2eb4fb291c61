# How the web build links its programs: each one a single .js file (the .wasm
# inside) that Node runs like a native program, reading and writing the real
# files and standard streams (NODERAWFS) and ending with main's status. The
# page's module links its own way (ui/web/module). They link at -O1: the code
# is compiled optimised already, and the optimiser's run at link time on the
# large test programs would take minutes.
add_link_options(
    -O1
    -sENVIRONMENT=node
    -sNODERAWFS=1
    -sSINGLE_FILE=1
    -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1)
