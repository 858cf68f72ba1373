# Shared by the scripts of scripts/: the packages to install (lib/packages.sh),
# the build (lib/build.sh) and the Wine session on a private X display
# (lib/wine_session.sh). Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

log() { printf '== %s\n' "$*" >&2; }

source "$ROOT/scripts/lib/packages.sh"
source "$ROOT/scripts/lib/build.sh"
source "$ROOT/scripts/lib/wine_session.sh"
