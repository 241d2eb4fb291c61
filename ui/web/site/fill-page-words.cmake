# Writes unsupported.js from its template and the words that
# `zephyrod-page-data words` printed (a JSON object).
#   cmake -DTEMPLATE=... -DWORDS=... -DOUTPUT=... -P fill-page-words.cmake
file(READ "${TEMPLATE}" script)
file(READ "${WORDS}" words)
string(STRIP "${words}" words)
string(REPLACE "/*@PAGE_WORDS@*/ null" "${words}" script "${script}")
file(WRITE "${OUTPUT}" "${script}")
