// The product's version number, kept here only: the version resources of
// TARVO.fll and KERNEL.DLL, the reference and the name of the release package
// take it from this file. (Also read by windres and by scripts/release.sh.)
// The major number stayed 0 until the function table held every record of
// the complete library (tests/manifest/functions.inc), as it does from
// 1.1.0 on (1.0.0 had named the first package); the minor number grows
// with each release that adds to it.
#pragma once

#define TARVO_VERSION_MAJOR 1
#define TARVO_VERSION_MINOR 1
#define TARVO_VERSION_PATCH 0

#define TARVO_VERSION_STR2(x) #x
#define TARVO_VERSION_STR(x) TARVO_VERSION_STR2(x)
// "0.4.0"
#define TARVO_VERSION_TEXT                                                  \
    TARVO_VERSION_STR(TARVO_VERSION_MAJOR) "." TARVO_VERSION_STR(TARVO_VERSION_MINOR) "." \
        TARVO_VERSION_STR(TARVO_VERSION_PATCH)
