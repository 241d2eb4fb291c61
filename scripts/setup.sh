# Shared by scripts/run and scripts/test: installs the Debian packages the
# project needs when they are missing, then configures and builds a preset.
# Sourced, not run.

# What building and running the window needs (scripts/run installs only these),
# the number conversions' header-only libraries among them.
ZEPHYROD_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config libfast-float-dev libdragonbox-dev
    qt6-base-dev libgl-dev libxcb1-dev
    fonts-dejavu-core fonts-dejavu-extra
)

# What the tests need besides: GoogleTest and Google Benchmark, {fmt} (the
# digits the number texts are compared with), clang's
# libFuzzer and sanitizers, a German locale, an X server for the window tests,
# the package checks, the accessibility bus, for the Windows edition the
# mingw-w64 cross compilers, GoogleTest's sources, Wine, its fonts and the
# stand-ins for Windows' outline fonts (fonts-liberation), NSIS and zip, for the
# web edition Emscripten (its tests run under Node) and esbuild (it joins the
# page's modules) and, for the page's tests, Chromium with its WebDriver and
# Selenium, Firefox ESR (npm installs puppeteer-core, which drives it, and
# axe-core) and WebKitGTK's WebDriver with its MiniBrowser (on Xvfb), poppler-utils (pdfinfo,
# pdftotext: the page's printed sheet), and for
# the trusted-build checks git (a second clone), hardening-check (devscripts)
# and diffoscope, and for bench/window-start-and-sizes xcalc (the Linux
# edition's reference window) and python3-xlib (it watches the X server for
# windows).
ZEPHYROD_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev googletest libfmt-dev
    clang libclang-rt-14-dev
    locales xvfb xauth x11-utils xdotool
    desktop-file-utils appstream dpkg-dev file lintian man-db groff-base bsdextrautils
    at-spi2-core python3-pyatspi dbus qt6-gtk-platformtheme
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 fonts-wine fonts-liberation nsis zip unzip
    emscripten binaryen esbuild chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver poppler-utils
    git devscripts diffoscope-minimal
    x11-apps python3-xlib
)
# npm comes with some builds of Node; Debian's own is a package of its own.
command -v npm >/dev/null 2>&1 || ZEPHYROD_TEST_PACKAGES+=(npm)

# What `scripts/run --web` needs: building the page (esbuild joins its
# modules; binaryen's wasm-opt, which Emscripten depends on, shrinks the
# module) and serving it.
ZEPHYROD_WEB_PACKAGES=(cmake ninja-build emscripten binaryen esbuild libfast-float-dev libdragonbox-dev python3)

missing_packages() {
    local p status
    for p in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || printf '%s\n' "$p"
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    ((${#missing[@]} == 0)) && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing Debian packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Generates a locale (e.g. de_DE.UTF-8) when it is missing and we may.
ensure_locale() {
    local name=$1 normalised
    normalised=$(tr '[:upper:]' '[:lower:]' <<<"${name/UTF-8/utf8}")
    if locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$normalised"; then
        return 0
    fi
    if [[ $(id -u) -eq 0 ]]; then
        localedef -i "${name%%.*}" -f UTF-8 "$name" || echo "Could not generate $name" >&2
    else
        echo "Locale $name is missing; the locale tests will be skipped." >&2
    fi
}

build_preset() {
    cmake --preset "$1" && cmake --build --preset "$1"
}
