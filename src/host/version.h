// The product's version number, kept here only: the version resources of
// TARVO.fll and KERNEL.DLL, the reference and the name of the release package
// take it from this file. (Also read by windres and by scripts/release.sh.)
// The major number stays 0 until the function table holds every record of
// the complete library (tests/manifest/functions.inc); the minor number
// grows with each release that adds names.
#pragma once

#define TARVO_VERSION_MAJOR 0
#define TARVO_VERSION_MINOR 4
#define TARVO_VERSION_PATCH 0

#define TARVO_VERSION_STR2(x) #x
#define TARVO_VERSION_STR(x) TARVO_VERSION_STR2(x)
// "0.4.0"
#define TARVO_VERSION_TEXT                                                  \
    TARVO_VERSION_STR(TARVO_VERSION_MAJOR) "." TARVO_VERSION_STR(TARVO_VERSION_MINOR) "." \
        TARVO_VERSION_STR(TARVO_VERSION_PATCH)
