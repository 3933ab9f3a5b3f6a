// Archives: the rows, over the companion's pair.
#include "files/archives.h"
#include "host/companion.h"
#include "host/declare.h"

namespace tarvo {

bool FilZip(const char* source, const char* target) {
    return KeepArchiveStatus(ZipFile(source, target));
}

bool FilUnzip(const char* source, const char* target) {
    return KeepArchiveStatus(UnzipFile(source, target));
}

namespace {
constexpr RowSpec kRows[] = {
#include "files/archives_rows.h"
};
}  // namespace

Family ArchivesFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
