#include "ringtones/RingToneText.h"

#include <QFileInfo>

namespace glyphsmith {

std::optional<QString> nameFromFirstLine(const QString &line) {
    if (line.size() < 2) {
        return std::nullopt;
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? line : line.left(colon);
    if (name.size() >= kRingToneNameLimit) {
        return std::nullopt;
    }
    return name;
}

bool hasRingToneTextName(const QString &path) {
    return path.endsWith(QLatin1String("txt"), Qt::CaseInsensitive);
}

QString withTextExtension(const QString &path) {
    return QFileInfo(path).fileName().contains(QLatin1Char('.')) ? path
                                                                 : path + QStringLiteral(".txt");
}

QStringList splitNotes(const QString &text) {
    const QString t = text.trimmed();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char(','));
}

QString joinNotes(const QStringList &notes) {
    return notes.join(QLatin1Char(','));
}

}  // namespace glyphsmith
