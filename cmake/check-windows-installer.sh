#!/bin/bash
# Builds the Windows installer and zip with cpack, checks their lines in
# SHA256SUMS, then tries the installer under Wine as a user would, in a fresh
# prefix: a silent install into a folder of the build, the files, the Start
# menu shortcut and the installed-programs entry, the installed programs
# started, a silent uninstall, and nothing left behind.
#   check-windows-installer.sh BUILD_DIR VERSION CPACK GUI
# GUI is 1 when the build has the window's program ZephyrodMetric.exe.
# Run by ctest (test windows_installer).
set -euo pipefail
build=$1 version=$2 cpack=$3 gui=$4
cd "$build"
wine_run=$build/wine-run
# A Wine prefix of its own, made afresh and removed afterwards: what the
# installer leaves behind shows against a clean system.
prefix=$build/installer-prefix
export ZEPHYROD_WINEPREFIX=$prefix
rm -rf "$prefix" "$prefix.lock"
trap '"$wine_run" --stop; rm -rf "$prefix" "$prefix.lock"' EXIT
"$wine_run" --start
# No window manager on the test display: Wine draws the frames itself.
"$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
name=ZephyrodMetric-$version-win64
arp='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZephyrodMetric'

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
check() {
    echo "-- $*"
}
# Polls (every 0.2 s, up to $1 seconds) until the command after it succeeds.
wait_for() {
    local limit=$(($1 * 5)) i
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

check "cpack: $name.exe and $name.zip"
rm -f "$name.exe" "$name.zip"
"$cpack" --config CPackConfig.cmake >cpack.log 2>&1 || { cat cpack.log; fail "cpack"; }
[[ -f $name.exe && -f $name.zip ]] || fail "cpack made no $name.exe or $name.zip"
for file in "$name.exe" "$name.zip"; do
    grep -qE "^[0-9a-f]{64}  $file\$" SHA256SUMS || fail "SHA256SUMS does not list $file"
done
sha256sum --check --strict --quiet SHA256SUMS || fail "a sum in SHA256SUMS is wrong"
check "SHA256SUMS lists both with their sums"
size=$(stat -c %s "$name.exe")
check "installer size: $size bytes (limit 3000000)"
((size < 3000000)) || fail "the installer is $size bytes"

expected="LICENSE.txt README.txt zephyrod-cli.exe"
((gui)) && expected="LICENSE.txt README.txt ZephyrodMetric.exe zephyrod-cli.exe"
listed=$(unzip -Z1 "$name.zip" | LC_ALL=C sort | tr '\n' ' ')
check "zip holds: $listed"
[[ $listed == "$(tr ' ' '\n' <<<"$expected" | LC_ALL=C sort | tr '\n' ' ')" ]] ||
    fail "the zip should hold exactly $expected"

dest=$build/installer-test/ZephyrodMetric
rm -rf "$build/installer-test"
mkdir -p "$build/installer-test"
windest=$("$wine_run" winepath -w "$dest")
check "silent install into $windest"
"$wine_run" "$name.exe" /S "/D=$windest" || fail "the installer ended with status $?"
for file in zephyrod-cli.exe Uninstall.exe LICENSE.txt README.txt; do
    [[ -f $dest/$file ]] || fail "$file was not installed"
done
((gui)) && { [[ -f $dest/ZephyrodMetric.exe ]] || fail "ZephyrodMetric.exe was not installed"; }

cli_version=$("$wine_run" "$dest/zephyrod-cli.exe" --version | tr -d '\r')
check "installed zephyrod-cli --version: $cli_version"
[[ $cli_version == "zephyrod-cli $version" ]] || fail "unexpected version"

entry=$("$wine_run" reg query "$arp" 2>/dev/null | tr -d '\r') || fail "no installed-programs entry $arp"
for value in "DisplayName    REG_SZ    Zephyrod Metric Calculator" \
    "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    The Zephyrod authors" \
    "UninstallString    REG_SZ    \"$windest\\Uninstall.exe\""; do
    grep -qF -- "$value" <<<"$entry" || fail "the installed-programs entry lacks: $value"$'\n'"$entry"
done
check "installed-programs entry: name, version, publisher, uninstaller"

shortcuts() {
    find "$prefix/drive_c" -path '*/Start Menu/Programs/Zephyrod Metric Calculator*' 2>/dev/null
}
if ((gui)); then
    grep -qF -- "DisplayIcon    REG_SZ    $windest\\ZephyrodMetric.exe" <<<"$entry" ||
        fail "the installed-programs entry has no icon"
    shortcuts | grep -q '/Zephyrod Metric Calculator.lnk$' || fail "no Start menu shortcut"
    check "Start menu shortcut and the entry's icon"

    if [[ -n ${DISPLAY:-} ]]; then
        "$wine_run" "$dest/ZephyrodMetric.exe" >/dev/null 2>&1 &
        program=$!
        window() { xdotool search --name '^Zephyrod Metric Calculator$' >/dev/null 2>&1; }
        wait_for 60 window || fail "the installed program showed no window \"Zephyrod Metric Calculator\""
        check "the installed ZephyrodMetric.exe shows its window"
        # Closing it as the close box does: WM_CLOSE to its windows.
        "$wine_run" taskkill /im ZephyrodMetric.exe >/dev/null 2>&1 || true
        ended() { ! kill -0 "$program" 2>/dev/null; }
        wait_for 30 ended || fail "the installed program did not end when closed"
        wait "$program" || true
        check "and ends when closed"
    else
        check "no display: the installed window was not started"
    fi
fi

check "silent uninstall"
"$wine_run" "$dest/Uninstall.exe" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself and removes the folder last.
gone() { [[ ! -e $dest ]]; }
wait_for 60 gone || fail "left behind: $(find "$dest" | head -n 20)"
"$wine_run" reg query "$arp" >/dev/null 2>&1 && fail "the installed-programs entry is left"
[[ -z $(shortcuts) ]] || fail "Start menu entries are left: $(shortcuts)"
check "nothing left: folder, installed-programs entry and Start menu entries are gone"
