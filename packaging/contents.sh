# What the packages carry: the one list to extend when something new ships.
# Sourced by scripts/package.

# Build targets of shipped files. A target the build does not define (yet) is
# left out.
SHIPPED_TARGETS=(TolvrinShutdown TolvrinSkin)

# Files and folders taken from the build's bin/ folder: the first list must be
# there, the second ships what is present.
REQUIRED_PAYLOAD=(TolvrinShutdown.exe TolvrinShutdown.lng)
OPTIONAL_PAYLOAD=(languages common.xml TolvrinSkin.dll skins)
