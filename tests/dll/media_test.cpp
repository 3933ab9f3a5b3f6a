// The media names through MCI under Wine, with media the tests write: a
// wave file opened under the CD alias stands in for a CD (so that status,
// length, tracks, position and seek answer real values), a small video clip
// for VID_. What needs a real CD drive is tested through Wine's failure
// answers. The prefix has no sound device: nothing plays aloud, nothing
// blocks; the sounds asked for are seen through stand-ins.
#include <windows.h>

#include <mmsystem.h>

#include <string>
#include <vector>

#include "files_test.h"
#include "runner/imports.h"
#include "tests/support/media_files.h"

namespace tarvo::test {
namespace {

std::string MciText(MCIERROR code) {
    char text[256] = "";
    mciGetErrorStringA(code, text, sizeof text);
    return text;
}

std::string MciReply(const std::string& command) {
    char reply[256] = "";
    mciSendStringA(command.c_str(), reply, sizeof reply, nullptr);
    return reply;
}

class MediaTest : public FilesTest {
protected:
    void TearDown() override {
        // No device is left open, whatever a failed expectation skipped.
        mciSendStringA("close QXCD", nullptr, 0, nullptr);
        mciSendStringA("close QXAVI", nullptr, 0, nullptr);
        FilesTest::TearDown();
    }
};

// A wave file under the CD alias answers the CD names with real values.
TEST_F(MediaTest, CdNamesOnAWaveUnderTheCdAlias) {
    WriteAll(At("a.wav"), WaveFile(500));
    ASSERT_EQ(mciSendStringA(("open " + At("a.wav") + " alias QXCD").c_str(), nullptr, 0, nullptr), 0u);
    Expect({{"CD_READY", {}, ".T."}, {"CD_CANPLA", {}, ".T."}, {"CD_CANEJE", {}, ".F."},
            {"CD_MS", {}, ".T."}, {"CD_TIME", {}, "milliseconds"},
            {"CD_TOTLEN", {}, "500"}, {"CD_TOTTRA", {}, "1"}, {"CD_CURTRA", {}, "1"},
            {"CD_TRALEN", {C("1")}, "500"},
            {"CD_SEEK", {C("5")}, ""}, {"CD_CURPOS", {}, "5"}, {"CD_MODE", {}, "stopped"},
            {"CD_SEEK", {C("123")}, ""}, {"CD_CURPOS", {}, "12"},
            {"CD_END", {}, ".T."}, {"CD_CURPOS", {}, "500"},
            {"CD_HOME", {}, ".T."}, {"CD_CURPOS", {}, "0"},
            {"CD_OFF", {}, ".T."}, {"CD_LON", {}, ".T."}, {"CD_BAYOPE", {}, ".T."},
            {"CD_PLAY", {}, ".T."}, {"CD_PAUSE", {}, ".T."}, {"CD_STOP", {}, ".T."},
            {"MCI_ERROR", {}, ""}, {"CD_CLOSE", {}, ".T."}, {"MCI_DEVICE", {C("QXCD")}, "0"}});
    // There is no CD device type ("open CD" fails), and no disc: whatever
    // opening the CD audio device answers, playing fails with an error kept
    // for MCI_ERROR, and closing leaves no device open.
    Expect({{"CD_ISCD", {}, ".F."}, {"CD_READY", {}, ".F."}});
    const bool opened = Logical("CD_OPEN", {});
    EXPECT_FALSE(Logical("CD_PLAY", {}));
    EXPECT_NE(Text("MCI_ERROR", {}), "");
    EXPECT_EQ(Logical("CD_CLOSE", {}), opened);
    EXPECT_EQ(MciReply("sysinfo all quantity open"), "0") << "no device left open";
}

// A clip under QXAVI: opened, moved, played, paused and closed; a failed
// open keeps its error through the names that do not store one.
TEST_F(MediaTest, VideoClip) {
    WriteAll(At("a.avi"), VideoFile(5));
    Expect({{"VID_OPEN", {C(At("a.avi"))}, "1"}, {"VID_END", {}, ""}, {"VID_CURPOS", {}, "4"},
            {"VID_HOME", {}, ""}, {"VID_CURPOS", {}, "0"}, {"VID_OFF", {}, ".T."},
            {"VID_RON", {}, ".T."}, {"VID_PLAY", {}, ""}, {"VID_PAUSE", {}, ""},
            {"MCI_ERROR", {}, ""}});
    EXPECT_GT(Int("MCI_DEVICE", {C("QXAVI")}), 0);
    EXPECT_EQ(Text("VID_OPEN", {C(At("a.avi"))}), "") << "one clip at a time";
    Expect({{"VID_CLOSE", {}, ""}, {"MCI_DEVICE", {C("QXAVI")}, "0"}});
    Text("VID_OPEN", {C(At("missing.avi"))});
    const std::string missing = MciText(MCIERR_FILE_NOT_FOUND);
    EXPECT_NE(missing, "");
    Expect({{"VID_CURPOS", {}, ""}, {"MCI_ERROR", {}, missing}, {"MCI_ERROR", {}, missing}});
    WriteAll(At("text.avi"), "not a clip");
    Text("VID_OPEN", {C(At("text.avi"))});
    EXPECT_NE(Text("MCI_ERROR", {}), "");
    EXPECT_EQ(MciReply("sysinfo all quantity open"), "0") << "no device left open";
}

// Free commands: the reply, the error kept, a command of 2000 characters.
TEST_F(MediaTest, FreeCommandsAndErrors) {
    WriteAll(At("a.wav"), WaveFile(200));
    Expect({{"MCI_SEND", {C("open " + At("a.wav") + " alias mine")}, "1"},
            {"MCI_ERROR", {}, ""},
            {"MCI_SEND", {C("status mine length")}, "200"},
            {"CD_COMMAND", {C("status mine mode")}, "stopped"},
            {"MCI_SEND", {C("close mine")}, ""}});
    Text("MCI_SEND", {C(std::string(2000, 'x'))});
    const std::string unknown = Text("MCI_ERROR", {});
    EXPECT_NE(unknown, "");
    Text("CD_COMMAND", {C("close all")});
    EXPECT_EQ(Text("MCI_ERROR", {}), unknown) << "CD_COMMAND keeps no error";
    const MCIERROR notOpen = mciSendStringA("status QXAVI position", nullptr, 0, nullptr);
    Text("MCI_SEND", {C("status QXAVI position")});
    EXPECT_EQ(Text("MCI_ERROR", {}), MciText(notOpen));
}

TEST_F(MediaTest, WaveAndRiffFiles) {
    WriteAll(At("a.wav"), WaveFile(10));
    WriteAll(At("a.avi"), VideoFile(1));
    WriteAll(At("short"), "RIFF");
    WriteAll(At("tiny"), "RIF");
    Expect({{"MCI_ISWAVE", {C("a.wav")}, ".T."}, {"MCI_ISRIFF", {C("a.wav")}, ".T."},
            {"MCI_ISWAVE", {C("a.avi")}, ".F."}, {"MCI_ISRIFF", {C("a.avi")}, ".T."},
            {"MCI_ISWAVE", {C("short")}, ".F."}, {"MCI_ISRIFF", {C("short")}, ".T."},
            {"MCI_ISRIFF", {C("tiny")}, ".F."}, {"MCI_ISWAVE", {C("missing")}, ".F."},
            {"MCI_ISRIFF", {C(dir)}, ".F."}});
    for (const char* f : {"a.wav", "a.avi", "short", "tiny"}) EXPECT_TRUE(Released(f)) << f;
}

// The sounds asked for, through stand-ins for sndPlaySoundA and MessageBeep.
std::vector<std::string> g_sounds;
BOOL WINAPI FakePlay(LPCSTR name, UINT flags) {
    if (name) g_sounds.push_back(std::string(name) + "/" + std::to_string(flags));
    return TRUE;
}
BOOL WINAPI FakeBeep(UINT type) {
    g_sounds.push_back("beep/" + std::to_string(type));
    return TRUE;
}

TEST_F(MediaTest, SoundsAskedFor) {
    run::ImportPatch play(host.module(), "WINMM.dll", "sndPlaySoundA", reinterpret_cast<void*>(&FakePlay));
    run::ImportPatch beep(host.module(), "USER32.dll", "MessageBeep", reinterpret_cast<void*>(&FakeBeep));
    ASSERT_TRUE(play.active() && beep.active());
    g_sounds.clear();
    EXPECT_TRUE(host.Call("SND_REPLAY", {}).returns.empty()) << "no result, nothing played";
    for (const char* name : {"SND_ERROR", "SND_QUESTION", "SND_EXCLAMATION", "SND_ASTERISK"})
        EXPECT_TRUE(host.Call(name, {}).returns.empty()) << name;
    EXPECT_TRUE(host.Call("SND_PLAY", {run::ByValue(C("a.wav"))}).returns.empty());
    host.Call("SND_PLAY", {run::ByValue(C("b.wav")), run::ByValue(I(0x1F))});
    host.Call("SND_REPEAT", {});
    host.Call("SND_PLAY", {run::ByValue(C(std::string(32767, 'x')))});
    host.Call("SND_REPEAT", {});
    EXPECT_EQ(g_sounds, (std::vector<std::string>{"beep/16", "beep/32", "beep/48", "beep/64",
                                                  "a.wav/1", "b.wav/27", "b.wav/1"}))
        << "a name too long is not played";
}

// Under Wine with no sound device the real calls return at once.
TEST_F(MediaTest, SoundsWithoutADevice) {
    WriteAll(At("a.wav"), WaveFile(300));
    EXPECT_TRUE(host.Call("SND_PLAY", {run::ByValue(C(At("a.wav"))), run::ByValue(I(0))}).returns.empty());
    EXPECT_TRUE(host.Call("SND_REPEAT", {}).returns.empty());
    EXPECT_TRUE(host.Call("SND_ERROR", {}).returns.empty());
}

}  // namespace
}  // namespace tarvo::test
