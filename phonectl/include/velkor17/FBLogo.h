// The library's view of the one logo the engine holds (interface "_FBLogo").
// The pixels and all logo data live in the engine; the object keeps only its
// last error and whether the picture-message text is Unicode. Engine failures
// show only in LastError; a missing engine or engine function throws
// VelkorError from every member. The control hands out one shared FBLogo.
//
// "Stores the code" below means the engine's result code becomes LastError;
// the other members leave LastError as it was. Coordinates are logo pixels
// from the top left corner; pixel values are 0 = set (black), 1 = clear, and
// on reading every value other than 1 means set.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBLogo : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBLogo(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBLogo"); }

    // ---- _FBLogo, in slot order ----------------------------------------------
    qint16 LastError() const { return lastError_; }
    // logo_readfile / logo_writefile / logo_writebmp; store the code.
    void ReadFile(const QString &sFileName);
    void WriteFile(const QString &sFileName);
    void WriteBmp(const QString &sFileName);
    void Upload();  // stores the code
    // With iLocation >= 0 the caller group (or picture location, from 0) is set
    // first; stores the code of the download.
    void Download(fbLogoType iType, qint16 iLocation = -1);
    qint16 Pixel(qint16 x, qint16 y);
    void setPixel(qint16 x, qint16 y, qint16 value);
    fbLogoType LogoType();  // stores the code
    // Keeps the network code; stores the code. Pixels that fit the new size
    // are kept by the engine.
    void setLogoType(fbLogoType value);
    QString NetCode();                      // "MCC MNC"
    void setNetCode(const QString &value);  // keeps the type; stores the code
    qint16 Width();                         // stores the code
    qint16 Height();                        // stores the code
    qint16 CallerGroupNumber();
    void setCallerGroupNumber(qint16 value);
    QString CallerGroupName();
    // Cut to the 255 characters the engine holds.
    void setCallerGroupName(const QString &value);
    void SendAsSMS(const QString &sDestination);       // stores the code
    void SendSiemensOta(const QString &sDestination);  // stores the code
    // Whether MessageText goes to the engine as UTF-16 (true) or as 8-bit
    // ISO-8859-1 text; reading MessageText sets it from the engine's text.
    bool MessageUnicode() const { return messageUnicode_; }
    void setMessageUnicode(bool value) { messageUnicode_ = value; }
    // The picture-message text.
    QString MessageText();
    // Cut to the 511 characters (UTF-16 units) the engine holds.
    void setMessageText(const QString &value);
    // True when a logo that arrived by smart message was loaded into the logo.
    bool GetLastReceived();

private:
    // logo_getdata for type and size only; stores the code when `storeCode`.
    void readData(int32_t &type, int32_t &width, int32_t &height, bool storeCode);

    qint16 lastError_ = 0;
    bool messageUnicode_ = false;
};
