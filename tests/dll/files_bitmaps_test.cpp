// What the bitmap handlers add to the header reader (which has its own unit
// tests): the file opened, read and closed again, the values kept between
// calls and set back at load, and files of every header kind the tests write.
#include "files_test.h"
#include "tests/support/bitmap_file.h"

namespace tarvo::test {
namespace {

// The values before any header, after each header kind, after a failure
// (width and height -1, bits and colours kept), with the files closed again.
TEST_F(FilesTest, BitmapValuesBetweenCalls) {
    Expect({{"BMP_WIDTH", {}, "-1"}, {"GETBITMAPHEIGHT", {}, "-1"},
            {"BMP_BITS", {}, "-1"}, {"BMP_COLORS", {}, "-1"}});
    WriteAll(At("core.bmp"), BitmapFile(12, 5, 3, 4));
    WriteAll(At("v4.bmp"), BitmapFile(108, 9, 4, 8));
    WriteAll(At("v5.bmp"), BitmapFile(124, 640, -480, 32));
    WriteAll(At("info.bmp"), BitmapFile(40, 7, 2, 1));
    WriteAll(At("empty.bmp"), "");
    WriteAll(At("13.bmp"), BitmapFile(40, 4, 4, 24).substr(0, 13));
    WriteAll(At("53.bmp"), BitmapFile(40, 4, 4, 24).substr(0, 53));
    WriteAll(At("text.bmp"), "not a bitmap at all");
    Expect({{"BMP_HEADER", {C("core.bmp")}, "0"}, {"BMP_WIDTH", {}, "5"},
            {"BMP_HEIGHT", {}, "3"}, {"BMP_BITS", {}, "4"}, {"BMP_COLORS", {}, "16"},
            {"READBITMAPHEADER", {C("v4.bmp")}, "0"}, {"GETBITMAPWIDTH", {}, "9"},
            {"BMP_COLORS", {}, "256"},
            {"BMP_HEADER", {C("v5.bmp")}, "0"}, {"BMP_HEIGHT", {}, "65056"},
            {"BMP_COLORS", {}, "1"},
            {"BMP_HEADER", {C("info.bmp")}, "0"}, {"BMP_COLORS", {}, "2"},
            {"BMP_HEADER", {C("missing.bmp")}, "-1"}, {"BMP_HEADER", {C("empty.bmp")}, "-2"},
            {"BMP_HEADER", {C("13.bmp")}, "-2"}, {"BMP_HEADER", {C("text.bmp")}, "-3"},
            {"BMP_HEADER", {C("53.bmp")}, "-4"}, {"BMP_HEADER", {C("")}, "-1"},
            {"BMP_WIDTH", {}, "-1"}, {"BMP_HEIGHT", {}, "-1"}, {"BMP_BITS", {}, "1"},
            {"BMP_COLORS", {}, "2"},
            {"BMP_ISBMP", {C("core.bmp")}, ".T."}, {"ISBITMAPFILE", {C("13.bmp")}, ".F."},
            {"BMP_ISBMP", {C("53.bmp")}, ".T."}, {"BMP_ISBMP", {C("text.bmp")}, ".F."},
            {"BMP_ISBMP", {C("missing.bmp")}, ".F."}, {"BMP_ISBMP", {C(dir)}, ".F."}});
    for (const char* f : {"core.bmp", "v4.bmp", "v5.bmp", "info.bmp", "13.bmp", "53.bmp"})
        EXPECT_TRUE(Released(f)) << f;
    // A reload sets the values back.
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_EQ(Int("BMP_BITS", {}), -1);
}

// A file another program holds open for writing is still read.
TEST_F(FilesTest, BitmapOpenElsewhere) {
    WriteAll(At("a.bmp"), BitmapFile(40, 3, 2, 24));
    HANDLE h = CreateFileA(At("a.bmp").c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    Expect({{"BMP_ISBMP", {C("a.bmp")}, ".T."}, {"BMP_HEADER", {C("a.bmp")}, "0"}});
    CloseHandle(h);
}

}  // namespace
}  // namespace tarvo::test
