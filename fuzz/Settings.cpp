// The settings file: any file reads without failing, and writing one key
// leaves it reading the new value while every other key reads as before.
#include <QStringList>

#include "FuzzCheck.h"
#include "shell/Settings.h"

using namespace glyphsmith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString file = QString::fromStdString(fuzz::scratchFile(data, size, ".ini"));
    const QString section = QString::fromLatin1(kRunStatus);
    const char *const others[] = {kKeyApplicationPath, kKeyDefaultLogo, kKeyHelpFilePath,
                                  kKeyRunBefore};
    QStringList before;
    for (const char *key : others) {
        before << ReadSetting(file, section, QString::fromLatin1(key), QStringLiteral("?"));
        FUZZ_CHECK(before.last().size() <= kMaxSettingLength);
    }
    // Bytes of the input make the value, line ends included.
    const QString value =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(std::min<size_t>(size, 40)));
    FUZZ_CHECK(WriteSetting(file, section, QString::fromLatin1(kKeyComPort), value));

    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    FUZZ_CHECK(ReadSetting(file, section, QString::fromLatin1(kKeyComPort), QString()) ==
               expected.trimmed().left(kMaxSettingLength));
    for (qsizetype i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(ReadSetting(file, section, QString::fromLatin1(others[i]), QStringLiteral("?")) ==
                   before[i]);
    }
    return 0;
}
