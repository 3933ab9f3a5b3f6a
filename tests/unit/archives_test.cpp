#include "files/archives.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

// Every status the companion gives, and ones it never gives; the text stays
// until the next status replaces it.
TEST(Archives, StatusesAndLastText) {
    ResetArchiveError();
    EXPECT_EQ(FilZipLastError(), "");
    const struct {
        int status;
        bool done;
        const char* text;
    } cases[] = {
        {1, true, "The function completed successfully."},
        {-1, false, "Cannot open input file."},
        {0, false, "The function completed successfully."},
        {-2, false, "Cannot open input file."},
        {-3, false, "Cannot open output file."},
        {-4, false, "Input file not found."},
        {-5, false, "Not enough memory."},
        {-6, false, "The function completed successfully."},
        {2, false, "The function completed successfully."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeepArchiveStatus(c.status), c.done) << c.status;
        EXPECT_EQ(FilZipLastError(), c.text) << c.status;
    }
}

}  // namespace
}  // namespace tarvo
