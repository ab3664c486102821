// The phone subcommands beside the logo ones: identify, send-sms,
// startup-text, phonebook, ringtone upload and play.
#include "CliError.h"
#include "Console.h"
#include "LogoInput.h"
#include "PhoneCommand.h"
#include "PhoneSession.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith::cli {

namespace {

constexpr int kSendTimeoutMs = 60000;
// Engine code past a memory's last location.
constexpr int kPastEnd = 22;
// A guard against a phone that never says "past the end".
constexpr int kMaxPhonebookLocations = 2000;

void identify(PhoneSession &session, const ArgParser &) {
    VelkorControl &c = session.connected();
    QString text;
    const auto line = [&text](const char *label, const QString &value) {
        text += QLatin1String(label) + QStringLiteral(": ") + value + QLatin1Char('\n');
    };
    line("Model", c.PhoneModelCode());
    line("Name", c.PhoneModelName());
    line("IMEI", c.IMEI());
    line("Software", c.PhoneSoftwareRev());
    line("Hardware", c.PhoneHardwareRev());
    line("Capabilities", c.PhoneCapabilities());
    line("Network", c.ProviderCode());
    printOut(text);
}

void sendSms(PhoneSession &session, const ArgParser &p) {
    VelkorControl &control = session.connected();
    FBSms *sms = control.SMS();
    const QString number = p.positionals().at(0);
    const QString text = p.positionals().at(1);
    const fbSmsClass smsClass = p.has("flash") ? fbSmsClassFlash : fbSmsClassNormal;
    const bool report = p.has("report");
    bool latin1 = true;
    for (QChar c : text) {
        latin1 = latin1 && c.unicode() < 256;
    }
    const bool sent = latin1 ? sms->SendMessage(number, text, smsClass, report)
                             : sms->SendUnicode(number, text, smsClass, report);
    if (!sent) {
        PhoneSession::check(sms->LastError() != 0 ? sms->LastError() : 1,
                            QStringLiteral("sending the message"));
    }
    session.waitForSend(kSendTimeoutMs);
}

void startupText(PhoneSession &session, const ArgParser &p) {
    session.connected().SetStartupText(p.positionals().at(0));
}

fbMemoryType memoryOption(const QString &name) {
    static const struct {
        const char *name;
        fbMemoryType type;
    } table[] = {{"sim", fbSimMemory},
                 {"phone", fbPhoneMemory},
                 {"own", fbOwnNumberMemory},
                 {"fixed", fbFixedDialMemory},
                 {"dialled", fbDialedNumberMemory},
                 {"received", fbReceivedNumberMemory},
                 {"missed", fbMissedNumberMemory},
                 {"combined", fbCombinedPhonebookMemory}};
    for (const auto &row : table) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0) {
            return row.type;
        }
    }
    usageError(QStringLiteral("phone phonebook: unknown memory \"%1\" (sim, phone, own, fixed, "
                              "dialled, received, missed, combined)")
                   .arg(name));
}

void phonebook(PhoneSession &session, const ArgParser &p) {
    VelkorControl &control = session.connected();
    const fbMemoryType memory = memoryOption(p.value("memory", QStringLiteral("sim")));
    QString text;
    for (int location = 1; location <= kMaxPhonebookLocations; ++location) {
        FBPhonebookEntry *entry = control.PhoneBook(qint16(location), memory);
        const QString name = entry->Name();
        if (entry->LastError() == kPastEnd) {
            break;
        }
        PhoneSession::check(entry->LastError(), QStringLiteral("reading the phonebook"));
        const QString number = entry->Number();
        if (name.isEmpty() && number.isEmpty()) {
            continue;
        }
        text +=
            QStringLiteral("%1\t%2\t%3\t%4\n").arg(location).arg(name, number).arg(entry->Group());
    }
    printOut(text);
}

void ringtone(PhoneSession &session, const ArgParser &p) {
    if (p.positionals().at(0) != QLatin1String("upload")) {
        usageError(QStringLiteral("phone ringtone: expected \"upload FILE --location N\""));
    }
    if (!p.has("location")) {
        usageError(QStringLiteral("phone ringtone upload: --location N is needed"));
    }
    const int location = p.intValue("location", 1, 1, 255);
    VelkorControl &control = session.connected();
    readRingToneInput(p.positionals().at(1));
    FBRingTone *tone = control.RingTone();
    tone->Upload(qint16(location));
    PhoneSession::check(tone->LastError(), QStringLiteral("ring tone upload"));
}

void play(PhoneSession &session, const ArgParser &p) {
    const QString device = p.value("device", QStringLiteral("midi")).toLower();
    fbPlayRingtone output = fbPlayRingtoneMidi;
    if (device == QLatin1String("speaker")) {
        output = fbPlayRingtoneSpeaker;
    } else if (device == QLatin1String("phone")) {
        output = fbPlayRingtonePhone;
        session.connected();
    } else if (device != QLatin1String("midi")) {
        usageError(QStringLiteral("phone play: --device is speaker, midi or phone"));
    }
    readRingToneInput(p.positionals().at(0));
    session.control().RingTone()->Play(output);
}

}  // namespace

std::vector<PhoneSubcommand> phoneOtherSubcommands() {
    return {
        {"identify",
         "identify",
         "shows the phone's model, IMEI, revisions and network",
         {},
         0,
         0,
         identify},
        {"send-sms",
         "send-sms NUMBER TEXT [--flash] [--report]",
         "sends a text message; --flash shows it at once, --report asks for a delivery report",
         {{"flash", false}, {"report", false}},
         2,
         2,
         sendSms},
        {"startup-text",
         "startup-text TEXT",
         "sets the text the phone shows when it starts",
         {},
         1,
         1,
         startupText},
        {"phonebook",
         "phonebook [--memory MEMORY]",
         "lists the phonebook (SIM by default) as location, name, number and group,\n"
         "      separated by tabs",
         {{"memory", true}},
         0,
         0,
         phonebook},
        {"ringtone",
         "ringtone upload FILE --location N",
         "puts an RTTTL or OTT ring tone in the phone's ring tone location N (from 1)",
         {{"location", true}},
         2,
         2,
         ringtone},
        {"play",
         "play FILE [--device speaker|midi|phone]",
         "plays a ring tone on this computer (midi, the default, or speaker) or the phone",
         {{"device", true}},
         1,
         1,
         play},
    };
}

}  // namespace glyphsmith::cli
