// The note walk and the note player against a recording output.
#include <gtest/gtest.h>

#include "ListRingTone.h"
#include "RecordingPlaybackOutput.h"
#include "RingTonePlayer.h"

using velkor17::RecordingPlaybackOutput;
using velkor17::RingTonePlayer;
using velkor17::test::ListRingTone;

namespace {

constexpr qint32 kSpeaker = RingTonePlayer::kSpeaker;
constexpr qint32 kMidi = RingTonePlayer::kMidi;
constexpr qint32 kPhone = RingTonePlayer::kPhone;
constexpr qint32 kNatural = RingTonePlayer::kNatural;
constexpr qint32 kContinuous = RingTonePlayer::kContinuous;
constexpr qint32 kStaccato = RingTonePlayer::kStaccato;

const QStringList kMidiOpening = {"midi-open", "midi-reset", "sysex f0 43 10 4c 00 00 7e 00 f7"};

class PlayerTest : public ::testing::Test {
protected:
    QStringList play(ListRingTone &tone, qint32 device) {
        bool stop = false;
        player.Play(tone, device, stop);
        return out.calls();
    }
    QStringList playNotes(const QStringList &notes, qint32 tempo, qint32 style, qint32 device) {
        ListRingTone tone(notes, tempo, style);
        return play(tone, device);
    }
    static QStringList midi(const QStringList &body) {
        return kMidiOpening + body + QStringList{"sleep 1000", "midi-close"};
    }

    RecordingPlaybackOutput out;
    RingTonePlayer player{out};
};

}  // namespace

// One tone of one style on one device and what the output was told.
struct Walk {
    QStringList notes;
    qint32 tempo, style, device;
    QStringList expected;
};

TEST_F(PlayerTest, NotesStylesAndDevices) {
    const QStringList midiC2 = midi({"midi 0x7f1890", "sleep 469", "midi 0x001880", "sleep 31"});
    // MIDI numbers 24, 69, 127 and 73; G#10 is past the top and skipped.
    const QStringList midiRange =
        midi({"midi 0x7f1890", "sleep 250", "midi 0x001880", "midi 0x7f4590", "sleep 250",
              "midi 0x004580", "midi 0x7f7f90", "sleep 250", "midi 0x007f80", "midi 0x7f4990",
              "sleep 250", "midi 0x004980"});
    const QStringList midiH = midi({"midi 0x7f4790", "sleep 500", "midi 0x004780"});
    // The phone gets kind 15 and twice the frequency.
    const QStringList phone = {"phone 15 880 500", "phone 15 277 250", "phone 15 26580 125"};
    const Walk walks[] = {
        // A natural quarter note at 120 on each device; other styles.
        {{"4C2"}, 120, kNatural, kSpeaker, {"beep 33 469", "sleep 31"}},
        {{"4C2"}, 120, kNatural, kMidi, midiC2},
        {{"4C2"}, 120, kNatural, kPhone, {"phone 15 65 469", "sleep 31"}},
        {{"8A5."}, 120, kStaccato, kSpeaker, {"beep 440 125", "sleep 250"}},
        {{"4A5", "8C6"}, 120, kContinuous, kSpeaker, {"beep 440 500", "beep 523 250"}},
        {{"4A5"}, 120, 7, kSpeaker, {"beep 440 469", "sleep 31"}},  // unknown style: natural
        // 1 ms staccato: round(2/3) = 1 = the whole note, so no gap.
        {{"256A5"}, 938, kStaccato, kSpeaker, {"beep 440 1"}},
        // Pauses wait on every device.
        {{"4P"}, 120, kContinuous, kSpeaker, {"sleep 500"}},
        {{"8p."}, 120, kContinuous, kPhone, {"sleep 375"}},
        {{"2P"}, 120, kNatural, kMidi, midi({"sleep 938", "sleep 62"})},
        {{"4P"}, 120, kNatural, 9, {"sleep 469", "sleep 31"}},
        // H stands for B.
        {{"4H5"}, 120, kContinuous, kMidi, midiH},
        {{"4h5"}, 120, kContinuous, kSpeaker, {"beep 494 500"}},
        {{"C2", "A5", "G10", "G#10", "C#6"}, 240, kContinuous, kMidi, midiRange},
        {{"4A5", "8C#4", "16G#10"}, 120, kContinuous, kPhone, phone},
        // An unknown name is skipped, but the walk's gap after it is a pause of its own.
        {{"4X5"}, 120, kNatural, kSpeaker, {"sleep 31"}},
        // MIDI opens with reset and XG system on and closes a second after.
        {{}, 120, kNatural, kMidi, midi({})},
    };
    for (const Walk &w : walks) {
        SCOPED_TRACE(w.notes.join(',').toStdString() + " on " + std::to_string(w.device));
        out.clear();
        EXPECT_EQ(playNotes(w.notes, w.tempo, w.style, w.device), w.expected);
        EXPECT_FALSE(player.isMidiOpen());
    }
}

TEST_F(PlayerTest, EachNoteKeepsItsOwnStyle) {
    ListRingTone tone({"4A5", "4A5", "4A5"}, 120);
    tone.setStyle(1, kContinuous);
    tone.setStyle(2, kStaccato);
    EXPECT_EQ(play(tone, kSpeaker), QStringList({"beep 440 469", "sleep 31", "beep 440 500",
                                                 "beep 440 167", "sleep 333"}));
}

TEST_F(PlayerTest, UnknownNamesAndStyleEntriesTakeNoTime) {
    EXPECT_EQ(playNotes({"4X5", "S", "sn", "", "4B1", "4A5"}, 120, kContinuous, kSpeaker),
              QStringList({"beep 440 500"}));
    EXPECT_EQ(out.elapsedMs(), 500);
}

TEST_F(PlayerTest, NotesTimedOneAfterAnother) {
    playNotes({"8A5", "8P", "8C6."}, 120, kNatural, kSpeaker);
    EXPECT_EQ(out.timedCalls(),
              QStringList({"@0 beep 440 234", "@234 sleep 16", "@250 sleep 234", "@484 sleep 16",
                           "@500 beep 523 352", "@852 sleep 23"}));
    EXPECT_EQ(out.elapsedMs(), 875);
}

TEST_F(PlayerTest, EventsRunBeforeEveryNoteAndGap) {
    playNotes({"4A5", "4X5"}, 120, kNatural, kSpeaker);
    EXPECT_EQ(out.calls(true), QStringList({"events", "beep 440 469", "events", "sleep 31",
                                            "events", "events", "sleep 31"}));
}

TEST_F(PlayerTest, MidiMessagesAsWordsAndEachOpenClosesAnOpenDeviceFirst) {
    player.MidiNoteOn(60);
    player.MidiNoteOff(60);
    player.SendMidiSysEx(QByteArray("\xF0\x7E\x7F\x09\x01\xF7", 6));
    player.OpenMidi();
    player.OpenMidi();
    player.CloseMidi();
    player.CloseMidi();
    EXPECT_EQ(out.calls(), QStringList({"midi 0x7f3c90", "midi 0x003c80", "sysex f0 7e 7f 09 01 f7"}) +
                               kMidiOpening + QStringList{"midi-close"} + kMidiOpening +
                               QStringList{"midi-close"});
}

TEST_F(PlayerTest, StopFlagEndsTheWalkAfterTheCurrentNoteAndItsGap) {
    ListRingTone tone({"4A5", "4C6", "4E6"}, 120, kNatural);
    bool stop = true;  // a stale request is cleared when the walk starts
    struct StopAfterFirstBeep : RecordingPlaybackOutput {
        bool *flag = nullptr;
        void beep(qint32 hz, qint32 ms) override {
            RecordingPlaybackOutput::beep(hz, ms);
            *flag = true;
        }
    } stopping;
    stopping.flag = &stop;
    RingTonePlayer p(stopping);
    p.Play(tone, kSpeaker, stop);
    EXPECT_EQ(stopping.calls(), QStringList({"beep 440 469", "sleep 31"}));
}

TEST_F(PlayerTest, StopOnMidiStillClosesTheDeviceASecondLater) {
    ListRingTone tone({"4A5", "4C6"}, 120, kContinuous);
    bool stop = false;
    struct StopOnNoteOff : RecordingPlaybackOutput {
        bool *flag = nullptr;
        void midiShortMessage(quint32 m) override {
            RecordingPlaybackOutput::midiShortMessage(m);
            if ((m & 0xF0) == 0x80) {
                *flag = true;
            }
        }
    } stopping;
    stopping.flag = &stop;
    RingTonePlayer p(stopping);
    p.Play(tone, kMidi, stop);
    EXPECT_EQ(stopping.calls(), midi({"midi 0x7f4590", "sleep 500", "midi 0x004580"}));
}

TEST_F(PlayerTest, SourceFailuresAreSkipped) {
    ListRingTone tone({"4A5", "4C6", "4E6"}, 120, kContinuous);
    tone.failTextAt = 1;
    tone.failStyleAt = 2;  // falls back to natural
    EXPECT_EQ(play(tone, kSpeaker), QStringList({"beep 440 500", "beep 659 469", "sleep 31"}));

    out.clear();
    ListRingTone broken({"4A5"}, 120);
    broken.failCount = true;
    EXPECT_EQ(play(broken, kMidi), midi({}));
}

TEST_F(PlayerTest, PlayStartedFromAnEventDuringPlayIsIgnored) {
    ListRingTone inner({"4C6"}, 120, kContinuous);
    struct Reentering : RecordingPlaybackOutput {
        RingTonePlayer *player = nullptr;
        ListRingTone *tone = nullptr;
        bool innerStop = false;
        void letEventsRun() override {
            RecordingPlaybackOutput::letEventsRun();
            player->Play(*tone, RingTonePlayer::kSpeaker, innerStop);
        }
    } reentering;
    RingTonePlayer p(reentering);
    reentering.player = &p;
    reentering.tone = &inner;
    ListRingTone outer({"4A5", "4A5"}, 120, kContinuous);
    bool stop = false;
    p.Play(outer, kSpeaker, stop);
    EXPECT_EQ(reentering.calls(), QStringList({"beep 440 500", "beep 440 500"}));
    EXPECT_FALSE(p.isPlaying());
    EXPECT_EQ(inner.countReads, 0);
}

TEST_F(PlayerTest, PlayNoteDirectlyAndAFailedPhoneToneTakesNoTime) {
    player.PlayNote(" a5 ", 100, kSpeaker);
    player.PlayNote("Pxyz", 40, kPhone);
    player.PlayNote("A5", 100, 3);
    player.PlayNote("G#10", 100, kMidi);
    EXPECT_EQ(out.calls(), QStringList({"beep 440 100", "sleep 40"}));
    out.clear();
    out.setPhoneResult(1);
    playNotes({"4A5"}, 120, kContinuous, kPhone);
    EXPECT_EQ(out.elapsedMs(), 0);
}
