#!/bin/bash
# The portable zips and SHA256SUMS that scripts/package wrote: each zip holds
# what a user needs and nothing else, with the program for its architecture,
# one time on every entry, Windows text files; and the unzipped program runs.
#   zip_contents_test.sh WINE_RUN_WRAPPER PACKAGES_DIR BIN_DIR VERSION
set -u
wrapper="$1"
packages="$2"
bin="$3"
version="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

check() {
    checks=$((checks + 1))
    if eval "$2"; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        failures=$((failures + 1))
    fi
}

# What a zip must hold: the program, its English texts, README and LICENSE,
# every translation, and the skin engine with its configuration and skins
# when the build made them.
expected_listing() {
    printf '%s\n' TolvrinShutdown.exe TolvrinShutdown.lng README.txt LICENSE.txt CHANGES.txt
    (cd "$bin" && find languages skins -type f 2>/dev/null)
    local optional
    for optional in common.xml TolvrinSkin.dll; do
        [ -f "$bin/$optional" ] && echo "$optional"
    done
}

# The machine field of a PE file's header: 8664 (x64) or 014c (x86).
pe_machine() {
    local offset
    offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
    od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}

expected_listing | LC_ALL=C sort >"$work/expected"
for arch in x64 x86; do
    zip="$packages/TolvrinShutdown-$version-$arch.zip"
    check "$arch: the zip exists" '[ -f "$zip" ]' || continue
    unzip -Z1 "$zip" >"$work/listing"
    check "$arch: the listing is what ships (diff expected actual: $(diff "$work/expected" <(LC_ALL=C sort "$work/listing") | tr '\n' ' '))" \
        'diff -q "$work/expected" <(LC_ALL=C sort "$work/listing") >/dev/null'
    check "$arch: the entries are in sorted order" 'LC_ALL=C sort -c "$work/listing"'
    check "$arch: every entry has the same time" '[ "$(TZ=UTC unzip -Z -T "$zip" | grep -c "^-")" -eq "$(wc -l <"$work/listing")" ] &&
        [ "$(TZ=UTC unzip -Z -T "$zip" | awk "/^-/ {print \$7}" | sort -u | wc -l)" -eq 1 ]'
    rm -rf "$work/$arch"
    unzip -q "$zip" -d "$work/$arch"
    machine=8664
    [ "$arch" = x86 ] && machine=014c
    check "$arch: the program is built for $arch" '[ "$(pe_machine "$work/$arch/TolvrinShutdown.exe")" = "$machine" ]'
    check "$arch: README.txt has Windows line ends" '! grep -qv $'"'"'\r$'"'"' "$work/$arch/README.txt"'
    check "$arch: README.txt names the version" 'grep -q "Tolvrin Shutdown Manager $version" "$work/$arch/README.txt"'
    check "$arch: README.txt explains the exit codes 0 to 3" \
        'for code in 0 1 2 3; do grep -q "^    $code  " "$work/$arch/README.txt" || exit 1; done'
    check "$arch: LICENSE.txt is the MIT license" 'grep -q "^MIT License" "$work/$arch/LICENSE.txt"'
    check "$arch: CHANGES.txt tells of version $version first" \
        '[[ "$(grep -m1 "^## \[" "$work/$arch/CHANGES.txt")" == "## [$version] - "* ]]'
    check "$arch: CHANGES.txt has Windows line ends" '! grep -qv $'"'"'\r$'"'"' "$work/$arch/CHANGES.txt"'
done

check "SHA256SUMS lists the zips and the installer" \
    '[ "$(awk "{print \$2}" "$packages/SHA256SUMS" | sort | tr "\n" " ")" = "TolvrinShutdown-$version-setup.exe TolvrinShutdown-$version-x64.zip TolvrinShutdown-$version-x86.zip " ]'
check "SHA256SUMS matches the files" '(cd "$packages" && sha256sum --quiet -c SHA256SUMS)'

# Unzipped anywhere, it runs: stand by in one second ends with 1 (Wine's
# standby call does nothing).
"$wrapper" "$work/x64/TolvrinShutdown.exe" 0,1, >/dev/null 2>&1
code=$?
check "the unzipped program runs a countdown to the end (exit code $code)" '[ $code -eq 1 ]'

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
