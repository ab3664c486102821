#include "velkor17/FBRingTone.h"

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "PlayRTone.h"
#include "RingToneSource.h"
#include "velkor17/VelkorError.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

const DispatchTable<FBRingTone> &table() {
    using R = FBRingTone;
    static const DispatchTable<FBRingTone> t{
        {0x68030011, Get, "LastError", {}, [](R &o, const Args &) { return ret16(o.LastError()); }},
        {0x60030014,
         Method,
         "ReadFile",
         {String},
         [](R &o, const Args &a) {
             o.ReadFile(a.s(0));
             return QVariant();
         }},
        {0x60030015,
         Method,
         "WriteFile",
         {String},
         [](R &o, const Args &a) {
             o.WriteFile(a.s(0));
             return QVariant();
         }},
        {0x60030016,
         Method,
         "Upload",
         {opt(Int16, qint16(0))},
         [](R &o, const Args &a) {
             o.Upload(a.i16(0));
             return QVariant();
         }},
        {0x68030010,
         Get,
         "NoteStyle",
         {Int16},
         [](R &o, const Args &a) { return ret32(qint32(o.NoteStyle(a.i16(0)))); }},
        {0x6803000F,
         Get,
         "DefStyle",
         {},
         [](R &o, const Args &) { return ret32(qint32(o.DefStyle())); }},
        {0x6803000F,
         Put,
         "DefStyle",
         {Int32},
         [](R &o, const Args &a) {
             o.setDefStyle(fbRingtoneStyle(a.i32(0)));
             return QVariant();
         }},
        {0x6803000E,
         Get,
         "Note",
         {Int16},
         [](R &o, const Args &a) { return retString(o.Note(a.i16(0))); }},
        {0x6803000E,
         Put,
         "Note",
         {Int16, String},
         [](R &o, const Args &a) {
             o.setNote(a.i16(0), a.s(1));
             return QVariant();
         }},
        {0x6803000D, Get, "Notes", {}, [](R &o, const Args &) { return ret16(o.Notes()); }},
        {0x6803000D,
         Put,
         "Notes",
         {Int16},
         [](R &o, const Args &a) {
             o.setNotes(a.i16(0));
             return QVariant();
         }},
        {0x6803000C, Get, "Tempo", {}, [](R &o, const Args &) { return ret16(o.Tempo()); }},
        {0x6803000C,
         Put,
         "Tempo",
         {Int16},
         [](R &o, const Args &a) {
             o.setTempo(a.i16(0));
             return QVariant();
         }},
        {0x6803000B, Get, "Name", {}, [](R &o, const Args &) { return retString(o.Name()); }},
        {0x6803000B,
         Put,
         "Name",
         {String},
         [](R &o, const Args &a) {
             o.setName(a.s(0));
             return QVariant();
         }},
        {0x60030017,
         Method,
         "SendAsSMS",
         {String},
         [](R &o, const Args &a) {
             o.SendAsSMS(a.s(0));
             return QVariant();
         }},
        {0x60030018,
         Method,
         "Play",
         {opt(Int32, qint32(fbPlayRingtoneMidi))},
         [](R &o, const Args &a) {
             o.Play(fbPlayRingtone(a.i32(0)));
             return QVariant();
         }},
        {0x60030019,
         Method,
         "StopPlayback",
         {},
         [](R &o, const Args &) {
             o.StopPlayback();
             return QVariant();
         }},
    };
    return t;
}

// The ring tone as the player walks it, read through the object's members.
class EngineRingTone : public RingToneSource {
public:
    explicit EngineRingTone(FBRingTone &tone) : tone_(tone) {}
    qint32 noteCount() override { return tone_.Notes(); }
    qint32 tempo() override { return tone_.Tempo(); }
    QString noteText(qint32 i) override { return tone_.Note(qint16(i)); }
    qint32 noteStyle(qint32 i) override { return tone_.NoteStyle(qint16(i)); }

private:
    FBRingTone &tone_;
};

}  // namespace

FBRingTone::FBRingTone(QObject *parent) : QObject(parent) {}

QVariant FBRingTone::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBRingTone::ReadFile(const QString &sFileName) {
    lastError_ = engine().ringtone_readfile(engineText(sFileName).constData());
}

void FBRingTone::WriteFile(const QString &sFileName) {
    lastError_ = engine().ringtone_writefile(engineText(sFileName).constData());
}

void FBRingTone::Upload(qint16 iDirect) {
    lastError_ = engine().ringtone_upload(int16_t(iDirect));
}

fbRingtoneStyle FBRingTone::NoteStyle(qint16 iNote) {
    return fbRingtoneStyle(engine().ringtone_getstyle(int16_t(iNote)));
}

fbRingtoneStyle FBRingTone::DefStyle() {
    return fbRingtoneStyle(engine().ringtone_getstyle(int16_t(0)));
}

void FBRingTone::setDefStyle(fbRingtoneStyle value) {
    engine().ringtone_setdefstyle(int32_t(value));
}

QString FBRingTone::Note(qint16 iNote) {
    EngineBuffer buffer(128);
    lastError_ = engine().ringtone_getnote(int16_t(iNote), buffer.data(), buffer.size());
    return buffer.text();
}

void FBRingTone::setNote(qint16 iNote, const QString &value) {
    lastError_ = engine().ringtone_setnote(int16_t(iNote), engineText(value).constData());
}

qint16 FBRingTone::Notes() {
    return engine().ringtone_getnotes();
}

void FBRingTone::setNotes(qint16 value) {
    lastError_ = engine().ringtone_setnotes(int16_t(value));
}

qint16 FBRingTone::Tempo() {
    return engine().ringtone_gettempo();
}

void FBRingTone::setTempo(qint16 value) {
    lastError_ = engine().ringtone_settempo(int16_t(value));
}

QString FBRingTone::Name() {
    EngineBuffer buffer(128);
    lastError_ = engine().ringtone_getname(buffer.data(), buffer.size());
    return buffer.text();
}

void FBRingTone::setName(const QString &value) {
    lastError_ = engine().ringtone_setname(engineText(value).constData());
}

void FBRingTone::SendAsSMS(const QString &sDestination) {
    lastError_ = engine().ringtone_sendsms(engineText(sDestination).constData());
}

void FBRingTone::Play(fbPlayRingtone Device) {
    EngineRingTone source(*this);
    PlayRTone::Play(source, qint32(Device), stopRequested_);
}

void FBRingTone::StopPlayback() {
    stopRequested_ = true;
}

void FBRingTone::RenderToWav(const QString &sFileName, fbPlayRingtone Device) {
    // Unlike Play, a render fails loudly without an engine rather than
    // writing an empty file.
    engine().function(EngineBinding::Fn::ringtone_getnotes);
    EngineRingTone source(*this);
    lastError_ = PlayRTone::RenderToWav(source, qint32(Device), sFileName);
}

void FBRingTone::RenderToMidi(const QString &sFileName) {
    engine().function(EngineBinding::Fn::ringtone_getnotes);
    EngineRingTone source(*this);
    QString name;
    try {
        name = Name();
    } catch (...) {
    }
    lastError_ = PlayRTone::RenderToMidi(source, name, sFileName);
}

bool FBRingTone::HasAudioOutput() {
    return PlayRTone::HasAudioOutput();
}
