#include "velkor17/FBLogo.h"

#include <algorithm>
#include <vector>

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

// Characters of the picture-message text buffer.
constexpr int32_t kMessageBufferSize = 512;
// The longest picture-message text (characters) and caller-group name (bytes)
// the engine holds; it refuses a longer one and keeps the old.
constexpr qsizetype kMaxMessageText = 511;
constexpr qsizetype kMaxGroupName = 255;

// `text` cut to at most `units` UTF-16 units, never between the two halves
// of a surrogate pair.
QString cutText(const QString &text, qsizetype units) {
    if (text.size() <= units) {
        return text;
    }
    if (units > 0 && text.at(units - 1).isHighSurrogate()) {
        --units;
    }
    return text.left(units);
}

const DispatchTable<FBLogo> &table() {
    using L = FBLogo;
    static const DispatchTable<FBLogo> t{
        {0x68030009, Get, "LastError", {}, [](L &o, const Args &) { return ret16(o.LastError()); }},
        {0x6003000C,
         Method,
         "ReadFile",
         {String},
         [](L &o, const Args &a) {
             o.ReadFile(a.s(0));
             return QVariant();
         }},
        {0x6003000D,
         Method,
         "WriteFile",
         {String},
         [](L &o, const Args &a) {
             o.WriteFile(a.s(0));
             return QVariant();
         }},
        {0x6003000E,
         Method,
         "WriteBmp",
         {String},
         [](L &o, const Args &a) {
             o.WriteBmp(a.s(0));
             return QVariant();
         }},
        {0x6003000F,
         Method,
         "Upload",
         {},
         [](L &o, const Args &) {
             o.Upload();
             return QVariant();
         }},
        {0x60030010,
         Method,
         "Download",
         {Int32, opt(Int16, qint16(-1))},
         [](L &o, const Args &a) {
             o.Download(fbLogoType(a.i32(0)), a.i16(1));
             return QVariant();
         }},
        {0x68030008,
         Get,
         "Pixel",
         {Int16, Int16},
         [](L &o, const Args &a) { return ret16(o.Pixel(a.i16(0), a.i16(1))); }},
        {0x68030008,
         Put,
         "Pixel",
         {Int16, Int16, Int16},
         [](L &o, const Args &a) {
             o.setPixel(a.i16(0), a.i16(1), a.i16(2));
             return QVariant();
         }},
        {0x68030007,
         Get,
         "LogoType",
         {},
         [](L &o, const Args &) { return ret32(qint32(o.LogoType())); }},
        {0x68030007,
         Put,
         "LogoType",
         {Int32},
         [](L &o, const Args &a) {
             o.setLogoType(fbLogoType(a.i32(0)));
             return QVariant();
         }},
        {0x68030006, Get, "NetCode", {}, [](L &o, const Args &) { return retString(o.NetCode()); }},
        {0x68030006,
         Put,
         "NetCode",
         {String},
         [](L &o, const Args &a) {
             o.setNetCode(a.s(0));
             return QVariant();
         }},
        {0x68030005, Get, "Width", {}, [](L &o, const Args &) { return ret16(o.Width()); }},
        {0x68030004, Get, "Height", {}, [](L &o, const Args &) { return ret16(o.Height()); }},
        {0x68030003,
         Get,
         "CallerGroupNumber",
         {},
         [](L &o, const Args &) { return ret16(o.CallerGroupNumber()); }},
        {0x68030003,
         Put,
         "CallerGroupNumber",
         {Int16},
         [](L &o, const Args &a) {
             o.setCallerGroupNumber(a.i16(0));
             return QVariant();
         }},
        {0x68030002,
         Get,
         "CallerGroupName",
         {},
         [](L &o, const Args &) { return retString(o.CallerGroupName()); }},
        {0x68030002,
         Put,
         "CallerGroupName",
         {String},
         [](L &o, const Args &a) {
             o.setCallerGroupName(a.s(0));
             return QVariant();
         }},
        {0x60030012,
         Method,
         "SendAsSMS",
         {String},
         [](L &o, const Args &a) {
             o.SendAsSMS(a.s(0));
             return QVariant();
         }},
        {0x60030013,
         Method,
         "SendSiemensOta",
         {String},
         [](L &o, const Args &a) {
             o.SendSiemensOta(a.s(0));
             return QVariant();
         }},
        {0x68030001,
         Get,
         "MessageUnicode",
         {},
         [](L &o, const Args &) { return retBool(o.MessageUnicode()); }},
        {0x68030001,
         Put,
         "MessageUnicode",
         {Bool},
         [](L &o, const Args &a) {
             o.setMessageUnicode(a.b(0));
             return QVariant();
         }},
        {0x68030000,
         Get,
         "MessageText",
         {},
         [](L &o, const Args &) { return retString(o.MessageText()); }},
        {0x68030000,
         Put,
         "MessageText",
         {String},
         [](L &o, const Args &a) {
             o.setMessageText(a.s(0));
             return QVariant();
         }},
        {0x60030014,
         Method,
         "GetLastReceived",
         {},
         [](L &o, const Args &) { return retBool(o.GetLastReceived()); }},
    };
    return t;
}

}  // namespace

FBLogo::FBLogo(QObject *parent) : QObject(parent) {}

QVariant FBLogo::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBLogo::ReadFile(const QString &sFileName) {
    lastError_ = engine().logo_readfile(engineText(sFileName).constData());
}

void FBLogo::WriteFile(const QString &sFileName) {
    lastError_ = engine().logo_writefile(engineText(sFileName).constData());
}

void FBLogo::WriteBmp(const QString &sFileName) {
    lastError_ = engine().logo_writebmp(engineText(sFileName).constData());
}

void FBLogo::Upload() {
    lastError_ = engine().logo_upload();
}

void FBLogo::Download(fbLogoType iType, qint16 iLocation) {
    if (iLocation >= 0) {
        engine().logo_setgroupnumber(int32_t(iLocation));
    }
    lastError_ = engine().logo_download(int32_t(iType));
}

qint16 FBLogo::Pixel(qint16 x, qint16 y) {
    return engine().logo_getpixel(int32_t(x), int32_t(y));
}

void FBLogo::setPixel(qint16 x, qint16 y, qint16 value) {
    engine().logo_setpixel(int32_t(x), int32_t(y), int16_t(value));
}

void FBLogo::readData(int32_t &type, int32_t &width, int32_t &height, bool storeCode) {
    // A length of 0 asks for no network code; the engine leaves "1" alone.
    char none[] = "1";
    const int16_t code = engine().logo_getdata(&type, &width, &height, none, int32_t(0));
    if (storeCode) {
        lastError_ = code;
    }
}

fbLogoType FBLogo::LogoType() {
    int32_t type = 0, width = 0, height = 0;
    readData(type, width, height, true);
    return fbLogoType(type);
}

void FBLogo::setLogoType(fbLogoType value) {
    const QString netCode = NetCode();
    lastError_ = engine().logo_setdata(int32_t(value), engineText(netCode).constData());
}

QString FBLogo::NetCode() {
    int32_t type = 0, width = 0, height = 0;
    EngineBuffer buffer(32);
    engine().logo_getdata(&type, &width, &height, buffer.data(), buffer.size());
    return buffer.text();
}

void FBLogo::setNetCode(const QString &value) {
    int32_t type = 0, width = 0, height = 0;
    readData(type, width, height, false);
    lastError_ = engine().logo_setdata(type, engineText(value).constData());
}

qint16 FBLogo::Width() {
    int32_t type = 0, width = 0, height = 0;
    readData(type, width, height, true);
    return qint16(width);
}

qint16 FBLogo::Height() {
    int32_t type = 0, width = 0, height = 0;
    readData(type, width, height, true);
    return qint16(height);
}

qint16 FBLogo::CallerGroupNumber() {
    return qint16(engine().logo_getgroupnumber());
}

void FBLogo::setCallerGroupNumber(qint16 value) {
    engine().logo_setgroupnumber(int32_t(value));
}

QString FBLogo::CallerGroupName() {
    EngineBuffer buffer(256);
    engine().logo_getgroupname(buffer.data(), buffer.size());
    return buffer.text();
}

void FBLogo::setCallerGroupName(const QString &value) {
    // 8-bit text: one byte a character
    engine().logo_setgroupname(engineText(value.left(kMaxGroupName)).constData());
}

void FBLogo::SendAsSMS(const QString &sDestination) {
    lastError_ = engine().sendoplogoviasms(engineText(sDestination).constData());
}

void FBLogo::SendSiemensOta(const QString &sDestination) {
    lastError_ =
        engine().logo_sendsiemensota(engineText(sDestination).constData(), int32_t(1), int32_t(1));
}

QString FBLogo::MessageText() {
    int32_t length = 0;
    int32_t unicode = 0;
    engine().logo_getmessagedata(&length, &unicode);
    if (length <= 0) {
        return QString();
    }
    QString text;
    if (unicode != 0) {
        std::vector<char16_t> buffer(kMessageBufferSize, u' ');
        engine().logo_getmessagetext(static_cast<void *>(buffer.data()), kMessageBufferSize);
        // The engine ends the text with a NUL; never read past it or the buffer.
        const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
        text = QString::fromUtf16(buffer.data(), qsizetype(end - buffer.begin()));
        messageUnicode_ = true;
    } else {
        EngineBuffer buffer(kMessageBufferSize);
        engine().logo_getmessagetext(static_cast<void *>(buffer.data()), buffer.size());
        text = buffer.text();
        messageUnicode_ = false;
    }
    return text.left(length);
}

void FBLogo::setMessageText(const QString &whole) {
    const QString value = cutText(whole, kMaxMessageText);
    if (messageUnicode_) {
        engine().logo_setmessage(static_cast<const void *>(value.utf16()),
                                 int32_t(value.size() * 2), int32_t(1));
    } else {
        const QByteArray text = engineText(value);
        engine().logo_setmessage(static_cast<const void *>(text.constData()), int32_t(text.size()),
                                 int32_t(0));
    }
}

bool FBLogo::GetLastReceived() {
    return engine().logo_getlastreceived() != 0;
}
