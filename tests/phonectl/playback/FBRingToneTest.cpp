// FBRingTone against the recording fake engine: every member by typed call
// and by DISPID (the engine calls with their argument widths, which members
// store the engine's code), and playback through the object.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include "../ControlTestSupport.h"
#include "PlayRTone.h"
#include "RecordingPlaybackOutput.h"
#include "WavFile.h"
#include "velkor17/FBRingTone.h"

using velkor17::RecordingPlaybackOutput;

namespace {

constexpr qint32 kPlay = 0x60030018;
constexpr qint32 kStopPlayback = 0x60030019;

using RT = FBRingTone;
using M = Member<RT>;

// LastError before each case; a case that stores no code leaves it.
constexpr qint16 kEarlier = 9;

const std::vector<M> &rows() {
    static const std::vector<M> all = {
        M("LastError", 0x68030011, Get, {}, {}, {}, v(kEarlier),
          [](RT &t) { return t.LastError(); }),
        M(stores(8), "ReadFile", 0x60030014, Method, {"/tmp/a.txt"},
          {Reply("ringtone_readfile").result(8)}, {R"(ringtone_readfile("/tmp/a.txt"))"},
          QVariant(), [](RT &t) { t.ReadFile("/tmp/a.txt"); }),
        M(stores(0), "WriteFile", 0x60030015, Method, {"b.txt"}, {},
          {R"(ringtone_writefile("b.txt"))"}, QVariant(), [](RT &t) { t.WriteFile("b.txt"); }),
        M(stores(1), "Upload", 0x60030016, Method, {3}, {Reply("ringtone_upload").result(1)},
          {"ringtone_upload(3)"}, QVariant(), [](RT &t) { t.Upload(3); }),
        M(stores(0), "UploadToTheDefaultPlace", 0x60030016, Method, {}, {}, {"ringtone_upload(0)"},
          QVariant(), [](RT &t) { t.Upload(); }),
        M("NoteStyle", 0x68030010, Get, {4}, {Reply("ringtone_getstyle").result(2)},
          {"ringtone_getstyle(4)"}, v<qint32>(fbRingtoneStyleStaccato),
          [](RT &t) { return t.NoteStyle(4); }),
        M("DefStyleIsTheFirstNotesStyle", 0x6803000F, Get, {},
          {Reply("ringtone_getstyle").result(1)}, {"ringtone_getstyle(0)"},
          v<qint32>(fbRingtoneStyleContinuous), [](RT &t) { return t.DefStyle(); }),
        M("DefStyleLetGoesAs32BitsAndKeepsNoCode", 0x6803000F, Put, {70000},
          {Reply("ringtone_setdefstyle").result(6)}, {"ringtone_setdefstyle(70000)"}, QVariant(),
          [](RT &t) { t.setDefStyle(fbRingtoneStyle(70000)); }),
        M(stores(0), "NoteGet", 0x6803000E, Get, {3}, {Reply("ringtone_getnote").text(0, "8A#5.")},
          {"ringtone_getnote(3, buf)"}, v(QStringLiteral("8A#5.")),
          [](RT &t) { return t.Note(3); }),
        M(stores(6), "NoteGetFailed", 0x6803000E, Get, {2}, {Reply("ringtone_getnote").result(6)},
          {"ringtone_getnote(2, buf)"}, v(QString()), [](RT &t) { return t.Note(2); }),
        M(stores(6), "NoteLet", 0x6803000E, Put, {5, "16P"}, {Reply("ringtone_setnote").result(6)},
          {R"(ringtone_setnote(5, "16P"))"}, QVariant(), [](RT &t) { t.setNote(5, "16P"); }),
        M(stores(0), "NoteLetLeavesTheIndexToTheEngine", 0x6803000E, Put, {-1, "4C2"}, {},
          {R"(ringtone_setnote(-1, "4C2"))"}, QVariant(), [](RT &t) { t.setNote(-1, "4C2"); }),
        M("Notes", 0x6803000D, Get, {}, {Reply("ringtone_getnotes").result(12)},
          {"ringtone_getnotes()"}, v<qint16>(12), [](RT &t) { return t.Notes(); }),
        M(stores(6), "NotesLet", 0x6803000D, Put, {32767}, {Reply("ringtone_setnotes").result(6)},
          {"ringtone_setnotes(32767)"}, QVariant(), [](RT &t) { t.setNotes(32767); }),
        M("Tempo", 0x6803000C, Get, {}, {Reply("ringtone_gettempo").result(160)},
          {"ringtone_gettempo()"}, v<qint16>(160), [](RT &t) { return t.Tempo(); }),
        M(stores(6), "TempoLet", 0x6803000C, Put, {-5}, {Reply("ringtone_settempo").result(6)},
          {"ringtone_settempo(-5)"}, QVariant(), [](RT &t) { t.setTempo(-5); }),
        M(stores(6), "Name", 0x6803000B, Get, {},
          {Reply("ringtone_getname").result(6).text(0, "Mambo")}, {"ringtone_getname(buf)"},
          v(QStringLiteral("Mambo")), [](RT &t) { return t.Name(); }),
        M(stores(9), "NameLet", 0x6803000B, Put, {"Axel F"}, {Reply("ringtone_setname").result(9)},
          {R"(ringtone_setname("Axel F"))"}, QVariant(), [](RT &t) { t.setName("Axel F"); }),
        M(stores(2), "SendAsSMS", 0x60030017, Method, {"+4912345"},
          {Reply("ringtone_sendsms").result(2)}, {R"(ringtone_sendsms("+4912345"))"}, QVariant(),
          [](RT &t) { t.SendAsSMS("+4912345"); }),
    };
    return all;
}

class RingToneMembers : public MemberTest<RT> {
protected:
    void SetUp() override {
        MemberTest<RT>::SetUp();
        fakeengine::answer("ringtone_readfile").result(kEarlier);
        tone.ReadFile(QStringLiteral("x"));
        fakeengine::reset();
        object = &tone;
        earlier = kEarlier;
    }
    FBRingTone tone;
};

MEMBER_TESTS(RingToneMembers, rows());

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
