#!/bin/sh
# What the real executable asks of WideCharToMultiByte where its code page is
# UTF-8, read from Wine's relay log of its own calls. Wine accepts any flags
# there; Windows refuses WC_NO_BEST_FIT_CHARS and a used-default report for
# UTF-8 (named as 65001 or as CP_ACP), and a conversion that asked for them
# would fail on every Windows whose code page is UTF-8 while passing here.
#   code_page_conversions_test.sh WINE_RUN_WRAPPER PROGRAM.EXE
set -u
wrapper="$1"
program="$2"
. "$(dirname "$0")/../support/checks.sh"
. "$(dirname "$0")/../support/wine_log.sh"

log_relay_of 'kernel32.WideCharToMultiByte;kernelbase.WideCharToMultiByte'

# A password in Cyrillic and Japanese converts on the command line, and the
# caption and the tray tip convert the version resource's texts.
run_logged +relay "0,1,пароль日本"
check "the run ends with exit code 1 (got $code)" '[ $code -eq 1 ]'

# The program's own calls: those returning into the executable's image
# (MinGW's default base, 0x140000000 for 64 bits, 0x400000 for 32 bits);
# Wine's own libraries make theirs with flags of their own.
own="$(grep -E 'Call (KERNEL32|KERNELBASE)\.WideCharToMultiByte\(' "$log" |
    grep -Ei 'ret=(0*14[0-9a-f]{7}|0*4[0-9a-f]{5})$' || true)"
echo "$own" | sed -n '1,5p'
check "the program converts to 8-bit text at all" '[ -n "$own" ]'
# Arguments: code page, flags, ..., default character, used-default report.
# The relay log shows each argument's 64-bit slot, whose upper half is
# undefined for a 32-bit one: the code page and the flags are its lower half.
bad="$(echo "$own" | awk -F'[(),]' 'NF > 4 {
    cp = substr($2, length($2) - 7); flags = substr($3, length($3) - 7); report = $(NF - 1)
    sub(/^0+/, "", cp); sub(/^0+/, "", flags); sub(/^0+/, "", report)
    if ((cp == "" || cp == "fde9") && !((flags == "" || flags == "80") && report == "")) print }')"
check "no UTF-8 conversion asks for best-fit flags or a used-default report" '[ -z "$bad" ]'
[ -n "$bad" ] && echo "$bad" | sed -n '1,5p'

finish_checks
