#include "gammu/GammuPhone.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "gammu/GammuErrors.h"
#include "gammu/GammuLibrary.h"
#include "gammu/GammuText.h"

namespace phoneeng {

namespace {

bool isNokiaFamily(GSM_ConnectionType type) {
    switch (type) {
        case GCT_MBUS2:
        case GCT_FBUS2:
        case GCT_FBUS2DLR3:
        case GCT_DKU2PHONET:
        case GCT_DKU5FBUS2:
        case GCT_ARK3116FBUS2:
        case GCT_FBUS2PL2303:
        case GCT_FBUS2BLUE:
        case GCT_FBUS2IRDA:
        case GCT_PHONETBLUE:
        case GCT_IRDAPHONET:
        case GCT_BLUEFBUS2:
        case GCT_BLUEPHONET:
        case GCT_FBUS2USB:
            return true;
        default:
            return false;
    }
}

// The logo and ring tone letters: only phones driven by libgammu's
// logo-era protocols have them, less what libgammu knows the model lacks.
std::string capabilitiesOf(GSM_StateMachine *s) {
    if (!isNokiaFamily(GSM_GetUsedConnection(s))) {
        return "";
    }
    GSM_PhoneModel *model = GSM_GetModelInfo(s);
    const auto lacks = [model](GSM_Feature f) {
        return model && GSM_IsPhoneFeatureAvailable(model, f);
    };
    std::string letters = "O";
    letters += lacks(F_NOCALLER) ? "" : "C";
    letters += lacks(F_NOPICTURE) ? "" : "P";
    letters += lacks(F_NOSTARTUP) ? "" : "S";
    letters += lacks(F_NORING) ? "" : "R";
    return letters;
}

// "dd-mm-yy" from what phones give: already that, or "yyyymmdd".
std::string softwareDateOf(const std::string &date) {
    const auto digits = [&](size_t from, size_t n) {
        for (size_t i = from; i < from + n; ++i) {
            if (i >= date.size() || !std::isdigit(static_cast<unsigned char>(date[i]))) {
                return false;
            }
        }
        return true;
    };
    if (date.size() == 8 && digits(0, 2) && date[2] == '-' && digits(3, 2) && date[5] == '-' &&
        digits(6, 2)) {
        return date;
    }
    if (date.size() == 8 && digits(0, 8)) {
        return date.substr(6, 2) + "-" + date.substr(4, 2) + "-" + date.substr(2, 2);
    }
    return "";
}

GSM_DateTime gammuTime(const PhoneDateTime &t) {
    GSM_DateTime g{};
    g.Year = t.year;
    g.Month = t.month;
    g.Day = t.day;
    g.Hour = t.hour;
    g.Minute = t.minute;
    g.Second = t.second;
    return g;
}

}  // namespace

PhoneDateTime phoneTimeOf(const GSM_DateTime &g) {
    return {g.Year, g.Month, g.Day, g.Hour, g.Minute, g.Second};
}

GammuPhone::GammuPhone(std::shared_ptr<GammuMachine> machine) : machine_(std::move(machine)) {
    readIdentity(identity_);
}

int16_t GammuPhone::call(GammuMachine::Job job) const {
    const GSM_Error error = machine_->run(std::move(job));
    if (gammuLinkLost(error)) {
        lost_ = true;
    }
    return codeOfGammuError(error);
}

LinkEvents *GammuPhone::events(int32_t) {
    return &events_;
}

void GammuPhone::pump() {
    if (!alive()) {
        return;
    }
    // Reading the device is what lets libgammu's callbacks run.
    call([](GSM_StateMachine *s) {
        return GSM_ReadDevice(s, FALSE) < 0 ? ERR_NOTCONNECTED : ERR_NONE;
    });
    GammuMachine::Events e = machine_->take();
    events_.incomingCall = events_.incomingCall || e.incomingCalls > 0;
    events_.receivedCount += e.receivedMessages;
    for (const SendAck &ack : e.acks) {
        if (events_.acks.size() < LinkEvents::kMaxAcks) {
            events_.acks.push_back(ack);
        }
    }
    ringing_ = e.ringingNumber;
}

int16_t GammuPhone::readIdentity(PhoneIdentity &out) {
    auto id = std::make_shared<PhoneIdentity>();
    const int16_t code = call([id](GSM_StateMachine *s) {
        char maker[GSM_MAX_INFO_LENGTH + 1] = {};
        char model[GSM_MAX_INFO_LENGTH + 1] = {};
        char imei[GSM_MAX_INFO_LENGTH + 1] = {};
        char firmware[GSM_MAX_INFO_LENGTH + 1] = {};
        char date[GSM_MAX_INFO_LENGTH + 1] = {};
        char hardware[GSM_MAX_INFO_LENGTH + 1] = {};
        double number = 0;
        GSM_Error error = GSM_GetModel(s, model);
        if (error != ERR_NONE) {
            return error;
        }
        GSM_GetManufacturer(s, maker);
        GSM_GetIMEI(s, imei);
        GSM_GetFirmware(s, firmware, date, &number);
        GSM_GetHardware(s, hardware);
        const GSM_PhoneModel *info = GSM_GetModelInfo(s);
        id->maker = maker;
        id->modelName = model;
        id->modelCode = info && info->number && *info->number ? info->number : model;
        id->imei = imei;
        id->revision = std::string("V ") + firmware + ",HW:" + hardware;
        id->softwareDate = softwareDateOf(date);
        id->capabilities = capabilitiesOf(s);
        return ERR_NONE;
    });
    if (code == PE_OK) {
        out = *id;
    }
    return code;
}

int16_t GammuPhone::readNetwork(NetworkStatus &out) {
    auto n = std::make_shared<NetworkStatus>();
    const int16_t code = call([n](GSM_StateMachine *s) {
        GSM_NetworkInfo info{};
        GSM_Error error = GSM_GetNetworkInfo(s, &info);
        if (error != ERR_NONE) {
            return error;
        }
        n->providerCode = info.NetworkCode;
        n->cellId = info.CID;
        n->areaCode = info.LAC;
        n->providerName = latin1FromGammu(info.NetworkName);
        if (n->providerName.empty()) {
            n->providerName = latin1FromGammu(GSM_GetNetworkName(info.NetworkCode));
        }
        const std::string country = n->providerCode.substr(0, 3);
        n->country = latin1FromGammu(GSM_GetCountryName(country.c_str()));
        GSM_SMSC smsc{};
        smsc.Location = 1;
        if (GSM_GetSMSC(s, &smsc) == ERR_NONE) {
            n->serviceCentre = latin1FromGammu(smsc.Number);
        }
        GSM_SignalQuality signal{};
        if (GSM_GetSignalQuality(s, &signal) == ERR_NONE && signal.SignalPercent >= 0) {
            n->rfLevel = std::min(signal.SignalPercent, 100);
        }
        GSM_BatteryCharge battery{};
        if (GSM_GetBatteryCharge(s, &battery) == ERR_NONE) {
            n->batteryLevel =
                battery.BatteryPercent >= 0 ? std::min(battery.BatteryPercent, 100) : 0;
            n->mainsPower = battery.ChargeState != GSM_BatteryPowered &&
                            battery.ChargeState != GSM_BatteryNotConnected;
        }
        return ERR_NONE;
    });
    if (code == PE_OK) {
        out = *n;
    }
    return code;
}

int16_t GammuPhone::readDisplayStatus(std::string &out) {
    auto flags = std::make_shared<std::string>("00000000");
    const int16_t code = call([flags](GSM_StateMachine *s) {
        GSM_DisplayFeatures features{};
        const GSM_Error error = GSM_GetDisplayStatus(s, &features);
        for (int i = 0; error == ERR_NONE && i < features.Number && i < 7; ++i) {
            int at = -1;
            switch (features.Feature[i]) {
                case GSM_CallActive:
                    at = 0;
                    break;
                case GSM_UnreadSMS:
                    at = 1;
                    break;
                case GSM_VoiceCall:
                    at = 2;
                    break;
                case GSM_FaxCall:
                    at = 3;
                    break;
                case GSM_DataCall:
                    at = 4;
                    break;
                case GSM_KeypadLocked:
                    at = 6;
                    break;
                case GSM_SMSMemoryFull:
                    at = 7;
                    break;
            }
            if (at >= 0) {
                (*flags)[static_cast<size_t>(at)] = '1';
            }
        }
        return error;
    });
    if (code == PE_OK) {
        out = *flags;
    }
    return code;
}

int16_t GammuPhone::readDateTime(PhoneDateTime &out) {
    auto t = std::make_shared<GSM_DateTime>();
    const int16_t code = call([t](GSM_StateMachine *s) { return GSM_GetDateTime(s, t.get()); });
    if (code == PE_OK) {
        out = phoneTimeOf(*t);
    }
    return code;
}

int16_t GammuPhone::readAlarm(bool &on, int32_t &hour, int32_t &minute) {
    auto a = std::make_shared<GSM_Alarm>();
    a->Location = 1;
    const int16_t code = call([a](GSM_StateMachine *s) { return GSM_GetAlarm(s, a.get()); });
    if (code == PE_EMPTY) {
        on = false;
        hour = minute = 0;
        return PE_OK;
    }
    if (code == PE_OK) {
        on = true;
        hour = a->DateTime.Hour;
        minute = a->DateTime.Minute;
    }
    return code;
}

void GammuPhone::alarm(bool &on, int32_t &hour, int32_t &minute) const {
    on = false;
    hour = minute = 0;
}

int16_t GammuPhone::dial(const std::string &number) {
    if (number.empty() || number.size() > GSM_MAX_NUMBER_LENGTH) {
        return PE_BAD_ARGUMENT;
    }
    return call([number](GSM_StateMachine *s) {
        std::string n = number;
        return GSM_DialVoice(s, n.data(), GSM_CALL_DefaultNumberPresence);
    });
}

int16_t GammuPhone::sendDtmf(const std::string &digits) {
    if (digits.empty() ||
        digits.find_first_not_of("0123456789*#ABCDabcdpPwW") != std::string::npos) {
        return PE_BAD_ARGUMENT;
    }
    return call([digits](GSM_StateMachine *s) {
        std::string d = digits;
        return GSM_SendDTMF(s, d.data());
    });
}

int16_t GammuPhone::pressKeys(const std::string &keys) {
    if (keys.empty() || keys.size() > 64) {
        return PE_BAD_ARGUMENT;
    }
    return call([keys](GSM_StateMachine *s) {
        std::string text = keys;
        GSM_KeyCode codes[64];
        size_t n = 0;
        GSM_Error error = MakeKeySequence(text.data(), codes, &n);
        if (error != ERR_NONE) {
            return ERR_INVALIDDATA;
        }
        for (size_t i = 0; i < n && error == ERR_NONE; ++i) {
            error = GSM_PressKey(s, codes[i], TRUE);
            if (error == ERR_NONE) {
                error = GSM_PressKey(s, codes[i], FALSE);
            }
        }
        return error;
    });
}

int16_t GammuPhone::reset(const std::string &mode) {
    std::string m;
    for (char c : mode) {
        m.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    if (m != "soft" && m != "hard") {
        return PE_BAD_ARGUMENT;
    }
    const gboolean hard = m == "hard" ? TRUE : FALSE;
    return call([hard](GSM_StateMachine *s) { return GSM_Reset(s, hard); });
}

int16_t GammuPhone::hangUp() {
    return call([](GSM_StateMachine *s) { return GSM_CancelCall(s, 0, TRUE); });
}

int16_t GammuPhone::answer() {
    return call([](GSM_StateMachine *s) { return GSM_AnswerCall(s, 0, TRUE); });
}

int16_t GammuPhone::beep(int32_t on) {
    if (on != 0 && on != 1) {
        return PE_BAD_ARGUMENT;
    }
    return on ? startTone(4000) : stopTone();
}

int16_t GammuPhone::startTone(int32_t hertz) {
    return call([hertz](GSM_StateMachine *s) { return GSM_PlayTone(s, hertz, 5, TRUE); });
}

int16_t GammuPhone::stopTone() {
    return call([](GSM_StateMachine *s) { return GSM_PlayTone(s, 255 * 255, 0, FALSE); });
}

int16_t GammuPhone::setStartupText(const std::string &text) {
    if (text.size() > GSM_BITMAP_TEXT_LENGTH) {
        return PE_BAD_ARGUMENT;
    }
    return call([text](GSM_StateMachine *s) {
        auto bitmap = std::make_unique<GSM_Bitmap>();
        std::memset(bitmap.get(), 0, sizeof(GSM_Bitmap));
        bitmap->Type = GSM_WelcomeNote_Text;
        gammuFromLatin1(text, bitmap->Text, GSM_BITMAP_TEXT_LENGTH);
        return GSM_SetBitmap(s, bitmap.get());
    });
}

int16_t GammuPhone::setDateTime(const PhoneDateTime &t) {
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59 || t.year < 1980 ||
        t.year > 2099) {
        return PE_BAD_ARGUMENT;
    }
    auto g = std::make_shared<GSM_DateTime>(gammuTime(t));
    return call([g](GSM_StateMachine *s) { return GSM_SetDateTime(s, g.get()); });
}

int16_t GammuPhone::setAlarm(int32_t hour, int32_t minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return PE_BAD_ARGUMENT;
    }
    auto a = std::make_shared<GSM_Alarm>();
    std::memset(a.get(), 0, sizeof(GSM_Alarm));
    a->Location = 1;
    a->Repeating = TRUE;
    GSM_GetCurrentDateTime(&a->DateTime);
    a->DateTime.Hour = hour;
    a->DateTime.Minute = minute;
    a->DateTime.Second = 0;
    return call([a](GSM_StateMachine *s) { return GSM_SetAlarm(s, a.get()); });
}

}  // namespace phoneeng
