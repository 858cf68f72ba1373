#!/bin/bash
# The packages made with a certificate: a throwaway one made here with
# openssl. Every program and DLL in the zips, the installer and the
# uninstaller it installs verify against that certificate; a program with its
# signature removed is the unsigned build; SHA256SUMS and the manifests name
# the signed files; and the signed installer installs and uninstalls under
# Wine. The packages made without a certificate carry no signature.
#   signed_packages_test.sh SOURCE_DIR BIN_DIR PACKAGES_DIR VERSION
# The 32-bit build lies beside BIN_DIR's build folder + "-i686"; the test runs
# in the installer tests' prefix (WINEPREFIX).
set -u
source_dir="$1"
x64_bin="$2"
unsigned_packages="$3"
version="$4"
x86_bin="$(dirname "$x64_bin")-i686/bin"
work="$(mktemp -d)"
install_folder='C:\signed-package-test'
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../support/checks.sh"

verifies() { osslsigncode verify -CAfile "$work/signer.pem" -in "$1" >/dev/null 2>&1; }

# Without its signature, a signed file is the unsigned one.
unsigned_again() {
    rm -f "$work/unsigned"
    osslsigncode remove-signature -in "$1" -out "$work/unsigned" >/dev/null 2>&1 && cmp -s "$work/unsigned" "$2"
}

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/signer.key" -out "$work/signer.pem" -days 2 \
    -subj "/CN=Tolvrin test signer" -addext "extendedKeyUsage=codeSigning" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
password="pass word; \$not expanded"
openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" -out "$work/signer.pfx" \
    -passout "pass:$password" || exit 1
export TOLVRIN_SIGN_PFX="$work/signer.pfx" TOLVRIN_SIGN_PASSWORD="$password"
"$source_dir/scripts/package" release "$x64_bin" "$x86_bin" "$work/packages" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
packages="$work/packages"
setup="$packages/TolvrinShutdown-$version-setup.exe"

check "an unsigned program does not verify (the check can fail)" '! verifies "$x64_bin/TolvrinShutdown.exe"'
check "the installer made without a certificate carries no signature" \
    '! verifies "$unsigned_packages/TolvrinShutdown-$version-setup.exe"'
declare -A bins=([x64]="$x64_bin" [x86]="$x86_bin")
for arch in x64 x86; do
    mkdir -p "$work/$arch"
    unzip -q "$packages/TolvrinShutdown-$version-$arch.zip" -d "$work/$arch"
    binaries=$(cd "$work/$arch" && find . -type f \( -iname '*.exe' -o -iname '*.dll' \) -printf '%P\n' | LC_ALL=C sort)
    check "$arch: the zip holds the program" '[[ "$binaries" == *TolvrinShutdown.exe* ]]'
    for binary in $binaries; do
        check "$arch: $binary is signed by the test certificate" 'verifies "$work/$arch/$binary"'
        check "$arch: $binary without its signature is the unsigned build" \
            'unsigned_again "$work/$arch/$binary" "${bins[$arch]}/$binary"'
    done
done
check "the installer is signed by the test certificate" 'verifies "$setup"'
check "SHA256SUMS matches the signed files" '(cd "$packages" && sha256sum --quiet -c SHA256SUMS)'
manifests_hold() {
    /usr/bin/python3 "$(dirname "$0")/manifests_test.py" "$packages" "$source_dir/packaging/installer.nsi" "$version" \
        >"$work/manifests.log" 2>&1 || { grep FAILED "$work/manifests.log"; return 1; }
}
check "the manifests name the signed files" manifests_hold

# Where Wine runs no 32-bit programs, the same installer with a 64-bit stub.
if [ ! -x /usr/lib/wine/wine ]; then
    setup="$work/setup-x64-stub.exe"
    "$source_dir/scripts/package" installer "$x64_bin" "$x86_bin" "$setup" amd64-unicode >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
    check "the installer with a 64-bit stub is signed" 'verifies "$setup"'
fi
installed="$WINEPREFIX/drive_c/signed-package-test"
rm -rf "$installed"
timeout 120 wine "$setup" /S "/D=$install_folder" </dev/null >/dev/null 2>&1
code=$?
check "the signed installer installs (exit code $code)" '[ "$code" -eq 0 ]'
check "the installed program is signed" 'verifies "$installed/TolvrinShutdown.exe"'
check "the installed program without its signature is the unsigned build" \
    'unsigned_again "$installed/TolvrinShutdown.exe" "$x64_bin/TolvrinShutdown.exe"'
check "the installed uninstaller is signed by the test certificate" 'verifies "$installed/uninstall.exe"'
timeout 120 wine "$install_folder\\uninstall.exe" /S "_?=$install_folder" </dev/null >/dev/null 2>&1
code=$?
check "the signed uninstaller uninstalls (exit code $code)" '[ "$code" -eq 0 ]'
for _ in $(seq 1 200); do [ -e "$installed" ] || break; sleep 0.1; done
check "the install folder is gone" '[ ! -e "$installed" ]'

finish_checks
