// FBRingTone against the recording fake engine: every member by typed call
// and by DISPID, the engine calls with their argument widths, which members
// store the engine's code, and playback through the object.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include "FakeEngine.h"
#include "PlayRTone.h"
#include "RecordingPlaybackOutput.h"
#include "WavFile.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/VelkorError.h"

using fakeengine::Lines;
using velkor17::DispatchKind;
using velkor17::RecordingPlaybackOutput;
using velkor17::VelkorError;

namespace {

constexpr qint32 kLastError = 0x68030011;
constexpr qint32 kReadFile = 0x60030014;
constexpr qint32 kWriteFile = 0x60030015;
constexpr qint32 kUpload = 0x60030016;
constexpr qint32 kNoteStyle = 0x68030010;
constexpr qint32 kDefStyle = 0x6803000F;
constexpr qint32 kNote = 0x6803000E;
constexpr qint32 kNotes = 0x6803000D;
constexpr qint32 kTempo = 0x6803000C;
constexpr qint32 kName = 0x6803000B;
constexpr qint32 kSendAsSMS = 0x60030017;
constexpr qint32 kPlay = 0x60030018;
constexpr qint32 kStopPlayback = 0x60030019;

constexpr auto Method = DispatchKind::Method;
constexpr auto Get = DispatchKind::PropertyGet;
constexpr auto Put = DispatchKind::PropertyPut;

class RingToneTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakeengine::reset();
        previous_ = velkor17::PlayRTone::setOutput(&out);
    }
    void TearDown() override { velkor17::PlayRTone::setOutput(previous_); }

    // The engine holds these notes (each answered once per read) at `tempo`.
    static void script(const std::vector<std::string> &notes, int tempo,
                       const std::vector<int> &styles) {
        fakeengine::answer("ringtone_getnotes").result(qint64(notes.size()));
        fakeengine::answer("ringtone_gettempo").result(tempo);
        for (size_t i = 0; i < notes.size(); ++i) {
            fakeengine::answer("ringtone_getnote").text(0, notes[i]);
        }
        for (int style : styles) {
            fakeengine::answer("ringtone_getstyle").result(style);
        }
    }

    FBRingTone tone;
    RecordingPlaybackOutput out;

private:
    velkor17::PlaybackOutput *previous_ = nullptr;
};

}  // namespace

TEST_F(RingToneTest, FileTransferAndSendMembersStoreTheEngineCode) {
    fakeengine::answer("ringtone_readfile").result(8);
    tone.ReadFile("/tmp/a.txt");
    EXPECT_EQ(tone.LastError(), 8);
    fakeengine::answer("ringtone_writefile").result(0);
    tone.invoke(kWriteFile, Method, {"/tmp/b.txt"});
    EXPECT_EQ(tone.LastError(), 0);
    fakeengine::answer("ringtone_upload").result(1);
    tone.Upload();
    EXPECT_EQ(tone.invoke(kLastError, Get).value<qint16>(), 1);
    tone.invoke(kUpload, Method, {3});
    tone.invoke(kUpload, Method);
    fakeengine::answer("ringtone_sendsms").result(2);
    tone.invoke(kSendAsSMS, Method, {"+4912345"});
    EXPECT_EQ(tone.LastError(), 2);
    tone.invoke(kReadFile, Method, {"c.txt"});
    EXPECT_EQ(fakeengine::calls(),
              (Lines{"ringtone_readfile(\"/tmp/a.txt\")", "ringtone_writefile(\"/tmp/b.txt\")",
                     "ringtone_upload(0)", "ringtone_upload(3)", "ringtone_upload(0)",
                     "ringtone_sendsms(\"+4912345\")", "ringtone_readfile(\"c.txt\")"}));
}

TEST_F(RingToneTest, NoteAndNameReadsReplaceLastErrorOtherReadsDoNot) {
    fakeengine::answer("ringtone_readfile").result(7);
    tone.ReadFile("x");
    fakeengine::answer("ringtone_getnotes").result(12);
    fakeengine::answer("ringtone_gettempo").result(160);
    fakeengine::answer("ringtone_getstyle").result(2);
    EXPECT_EQ(tone.Notes(), 12);
    EXPECT_EQ(tone.invoke(kTempo, Get).value<qint16>(), 160);
    EXPECT_EQ(tone.NoteStyle(4), fbRingtoneStyleStaccato);
    EXPECT_EQ(tone.LastError(), 7);

    fakeengine::answer("ringtone_getnote").result(0).text(0, "8A#5.");
    EXPECT_EQ(tone.Note(3), "8A#5.");
    EXPECT_EQ(tone.LastError(), 0);
    tone.ReadFile("x");  // default answer 0
    fakeengine::answer("ringtone_getname").result(6).text(0, "Mambo");
    EXPECT_EQ(tone.invoke(kName, Get).toString(), "Mambo");
    EXPECT_EQ(tone.LastError(), 6);
    fakeengine::answer("ringtone_getnote").result(6);
    tone.invoke(kNote, Get, {2});
    EXPECT_EQ(tone.LastError(), 6);

    EXPECT_EQ(fakeengine::calls(),
              (Lines{"ringtone_readfile(\"x\")", "ringtone_getnotes()", "ringtone_gettempo()",
                     "ringtone_getstyle(4)", "ringtone_getnote(3, buf)", "ringtone_readfile(\"x\")",
                     "ringtone_getname(buf)", "ringtone_getnote(2, buf)"}));
}

TEST_F(RingToneTest, DefStyleAndNoteStyleZeroAskTheSameQuestion) {
    fakeengine::byDefault("ringtone_getstyle").result(1);
    EXPECT_EQ(tone.DefStyle(), fbRingtoneStyleContinuous);
    EXPECT_EQ(tone.invoke(kDefStyle, Get).value<qint32>(), 1);
    EXPECT_EQ(tone.invoke(kNoteStyle, Get, {0}).value<qint32>(), 1);
    EXPECT_EQ(fakeengine::calls(),
              (Lines{"ringtone_getstyle(0)", "ringtone_getstyle(0)", "ringtone_getstyle(0)"}));
}

TEST_F(RingToneTest, SettersAndWhichOfThemStoreTheCode) {
    fakeengine::byDefault("ringtone_setdefstyle").result(6);
    tone.setDefStyle(fbRingtoneStyleStaccato);
    EXPECT_EQ(tone.LastError(), 0);        // DefStyle keeps no code
    tone.invoke(kDefStyle, Put, {70000});  // a style goes as 32 bits

    fakeengine::answer("ringtone_setnote").result(6);
    tone.setNote(5, "16P");
    EXPECT_EQ(tone.LastError(), 6);
    tone.invoke(kNote, Put, {-1, "4C2"});
    EXPECT_EQ(tone.LastError(), 0);
    fakeengine::answer("ringtone_setnotes").result(6);
    tone.invoke(kNotes, Put, {32767});
    EXPECT_EQ(tone.LastError(), 6);
    fakeengine::answer("ringtone_settempo").result(6);
    tone.setTempo(-5);
    EXPECT_EQ(tone.LastError(), 6);
    tone.invoke(kTempo, Put, {125});
    EXPECT_EQ(tone.LastError(), 0);
    fakeengine::answer("ringtone_setname").result(9);
    tone.invoke(kName, Put, {"Axel F"});
    EXPECT_EQ(tone.LastError(), 9);

    EXPECT_EQ(fakeengine::calls(),
              (Lines{"ringtone_setdefstyle(2)", "ringtone_setdefstyle(70000)",
                     "ringtone_setnote(5, \"16P\")", "ringtone_setnote(-1, \"4C2\")",
                     "ringtone_setnotes(32767)", "ringtone_settempo(-5)", "ringtone_settempo(125)",
                     "ringtone_setname(\"Axel F\")"}));
}

TEST_F(RingToneTest, PlayWalksTheEngineNotesWithTheirStyles) {
    script({"4C2", "8A5.", "S", "4H5"}, 120, {0, 2, 1});
    tone.Play(fbPlayRingtoneSpeaker);
    EXPECT_EQ(out.calls(), QStringList({"beep 33 469", "sleep 31", "beep 440 125", "sleep 250",
                                        "beep 494 500"}));
    EXPECT_EQ(
        fakeengine::calls(),
        (Lines{"ringtone_getnotes()", "ringtone_gettempo()", "ringtone_getnote(0, buf)",
               "ringtone_getstyle(0)", "ringtone_getnote(1, buf)", "ringtone_getstyle(1)",
               "ringtone_getnote(2, buf)", "ringtone_getnote(3, buf)", "ringtone_getstyle(3)"}));
}

TEST_F(RingToneTest, PlayByDispatchDefaultsToMidi) {
    script({"4A5"}, 120, {1});
    tone.invoke(kPlay, Method);
    EXPECT_EQ(out.calls(), QStringList({"midi-open", "midi-reset",
                                        "sysex f0 43 10 4c 00 00 7e 00 f7", "midi 0x7f4590",
                                        "sleep 500", "midi 0x004580", "sleep 1000", "midi-close"}));
}

TEST_F(RingToneTest, PhoneDeviceAndThePlayerModuleSoundPhoneNotesThroughTheEngine) {
    velkor17::PlayRTone::setOutput(nullptr);  // the live output
    script({"4C2", "8A5"}, 120, {1, 1});
    fakeengine::byDefault("play_tone").result(0);
    tone.invoke(kPlay, Method, {2});
    fakeengine::answer("play_tone").result(1);
    velkor17::PlayRTone::PlayNote("A5", 40, 2);
    velkor17::PlayRTone::PlayNote("G#10", 40, 2);
    velkor17::PlayRTone::PlayNote("X9", 40, 2);
    EXPECT_EQ(fakeengine::callsTo("play_tone"),
              (Lines{"play_tone(15, 65, 500)", "play_tone(15, 880, 250)", "play_tone(15, 880, 40)",
                     "play_tone(15, 26580, 40)"}));
}

TEST_F(RingToneTest, StopPlaybackFromATimerEndsPlayAfterTheCurrentNote) {
    RecordingPlaybackOutput realTime(true);
    velkor17::PlayRTone::setOutput(&realTime);
    const std::vector<std::string> notes(40, "16A5");  // 25 ms each at 600 bpm
    script(notes, 600, std::vector<int>(40, 1));
    qsizetype notesWhenStopped = -1;
    QTimer::singleShot(60, [&] {
        notesWhenStopped = realTime.calls().size();
        tone.invoke(kStopPlayback, Method);
    });
    tone.Play(fbPlayRingtoneSpeaker);
    ASSERT_GT(notesWhenStopped, 0);
    EXPECT_LT(notesWhenStopped, 40);
    EXPECT_EQ(realTime.calls().size(), notesWhenStopped);
    EXPECT_TRUE(tone.isStopRequested());

    // The next Play clears the request and plays to the end.
    realTime.clear();
    script({"16A5", "16A5"}, 600, {1, 1});
    tone.Play(fbPlayRingtoneSpeaker);
    EXPECT_EQ(realTime.calls().size(), 2);
    EXPECT_FALSE(tone.isStopRequested());
}

TEST_F(RingToneTest, RenderToWavStoresItsCode) {
    QTemporaryDir dir;
    script({"8A5", "8P"}, 120, {1, 1});
    tone.RenderToWav(dir.filePath("t.wav"), fbPlayRingtoneSpeaker);
    EXPECT_EQ(tone.LastError(), 0);
    const auto audio = velkor17::WavFile::read(dir.filePath("t.wav"));
    ASSERT_TRUE(audio);
    EXPECT_EQ(audio->samples.size(), size_t(500 * 48));
    EXPECT_TRUE(out.calls().isEmpty());  // the live player's output is not used

    tone.RenderToWav(dir.filePath("p.wav"), fbPlayRingtonePhone);
    EXPECT_EQ(tone.LastError(), 6);
}
