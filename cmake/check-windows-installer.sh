#!/bin/bash
# Builds the Windows installer and zip with cpack, checks their lines in
# SHA256SUMS and the installer's version record, then tries the installer
# under Wine as a user would, in a fresh prefix: a silent install into a
# folder of the build, the files, the Start menu folder, the registry keys and
# the installed-programs entry, no desktop shortcut, the installed programs
# started, the uninstaller and the installer refusing to run over the running
# calculator, a silent uninstall, and nothing left behind.
#   check-windows-installer.sh BUILD_DIR VERSION CPACK GUI CMAKE WINDRES RC_VERSION
# GUI is 1 when the build has the window's program ZephyrodMetric.exe; CMAKE
# and WINDRES read the version record (check-windows-version.cmake), whose
# version reads RC_VERSION.
# Run by ctest (test windows_installer).
set -euo pipefail
build=$1 version=$2 cpack=$3 gui=$4 cmake=$5 windres=$6 rc_version=$7
checks=$(cd "$(dirname "$0")" && pwd)
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
# Every registry key the installer writes, the vendor's own among them.
keys=("$arp" 'HKLM\Software\The Zephyrod authors\ZephyrodMetric' 'HKLM\Software\The Zephyrod authors')

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
"$cmake" -DEXE="$name.exe" -DWINDRES="$windres" -DNAME="$name" \
    "-DDESCRIPTION=Zephyrod Metric Calculator Setup" -DVERSION="$version" -DRC_VERSION="$rc_version" \
    -P "$checks/check-windows-version.cmake" >version.log 2>&1 || { cat version.log; fail "the installer's version record"; }
check "the installer's version record: company, product, description, versions, copyright"
# Its pages name the program, not the tool that made them: the branding text
# of the installer's script as makensis reads it (-PPO: its includes in place).
branding=$(makensis -PPO _CPack_Packages/win64/NSIS/project.nsi 2>/dev/null | grep -E '^\s*BrandingText' | sed 's/^\s*//')
[[ $branding == "BrandingText \"Zephyrod Metric Calculator $version\"" ]] ||
    fail "the installer's pages do not name the program: \"$branding\""
check "$branding"

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
# The licence as Windows shows it: CR LF line ends, each paragraph one line.
[[ -z $(grep -v $'\r$' "$dest/LICENSE.txt") ]] || fail "LICENSE.txt has lines not ending in CR LF"
grep -qxF $'The above copyright notice and this permission notice shall be included in all copies or substantial portions of the Software.\r' \
    "$dest/LICENSE.txt" || fail "LICENSE.txt breaks its paragraphs into lines"
check "LICENSE.txt: CR LF, a line a paragraph"

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
for key in "${keys[@]}"; do
    "$wine_run" reg query "$key" >/dev/null 2>&1 || fail "the installer wrote no key $key"
done
check "registry keys: ${keys[*]}"

shortcuts() {
    find "$prefix/drive_c" -path '*/Start Menu/Programs/Zephyrod Metric Calculator*' 2>/dev/null
}
desktop_shortcuts() {
    find "$prefix/drive_c/users" -ipath '*/Desktop/Zephyrod Metric Calculator.lnk' 2>/dev/null
}
# A silent install makes no desktop shortcut: the user asks for one on the
# finish page.
[[ -z $(desktop_shortcuts) ]] || fail "a silent install made a desktop shortcut: $(desktop_shortcuts)"
check "no desktop shortcut"
if ((gui)); then
    grep -qF -- "DisplayIcon    REG_SZ    $windest\\ZephyrodMetric.exe" <<<"$entry" ||
        fail "the installed-programs entry has no icon"
    menu="Start Menu/Programs/Zephyrod Metric Calculator"
    for link in "Zephyrod Metric Calculator.lnk" Uninstall.lnk; do
        shortcuts | grep -qF "$menu/$link" || fail "no $link in the Start menu folder: $(shortcuts)"
    done
    check "Start menu folder with the calculator and its uninstaller, and the entry's icon"
    # A desktop shortcut as the finish page's box makes it, for the
    # uninstaller to remove: on the desktop of all users, whose Start menu
    # has the folder.
    shortcuts | grep -qF "/ProgramData/Microsoft/Windows/$menu" || fail "the Start menu folder is not all users'"
    mkdir -p "$prefix/drive_c/users/Public/Desktop"
    cp "$(shortcuts | grep -F "$menu/Zephyrod Metric Calculator.lnk")" "$prefix/drive_c/users/Public/Desktop/"

    if [[ -n ${DISPLAY:-} ]]; then
        "$wine_run" "$dest/ZephyrodMetric.exe" >/dev/null 2>&1 &
        program=$!
        window() { xdotool search --name '^Zephyrod Metric Calculator$' >/dev/null 2>&1; }
        wait_for 60 window || fail "the installed program showed no window \"Zephyrod Metric Calculator\""
        check "the installed ZephyrodMetric.exe shows its window"
        # Uninstalling or installing over the running calculator changes
        # nothing and ends with status 2. "_?=" runs the uninstaller itself,
        # not the copy it would start and leave, so that its status shows.
        state() {
            find "$dest" -printf '%p %s %T@\n' | LC_ALL=C sort
            "$wine_run" reg query "$arp" 2>&1
            "$wine_run" reg query 'HKLM\Software\The Zephyrod authors' /s 2>&1
        }
        before=$(state)
        refuses() {
            local status=0
            "$wine_run" "$@" || status=$?
            ((status == 2)) || fail "${1##*/} $2 over the running calculator ended with status $status"
            [[ $(state) == "$before" ]] ||
                fail "${1##*/} $2 over the running calculator changed: $(diff <(echo "$before") <(state))"
            check "${1##*/} $2 over the running calculator: status $status, nothing changed"
        }
        refuses "$dest/Uninstall.exe" /S "_?=$windest"
        refuses "$name.exe" /S "/D=$windest"
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
for key in "${keys[@]}" 'HKCU\Software\The Zephyrod authors'; do
    "$wine_run" reg query "$key" >/dev/null 2>&1 && fail "the registry key $key is left"
done
[[ -z $(shortcuts) ]] || fail "Start menu entries are left: $(shortcuts)"
[[ -z $(desktop_shortcuts) ]] || fail "desktop shortcuts are left: $(desktop_shortcuts)"
check "nothing left: folder, registry keys, Start menu and desktop shortcuts are gone"
