#include "files/LogoFileFilters.h"

#include "document/LogoKind.h"

namespace glyphsmith {

namespace {

const char *const kNol = "Nokia Operator Logo (*.NOL)";
const char *const kNgg = "Nokia Group Graphic (*.NGG)";
const char *const kNsl = "Nokia Startup Logo (*.NSL)";
const char *const kGsp = "Glyphsmith Picture Logo (*.GSP)";

}  // namespace

QStringList openLogoFilters() {
    return {QString::fromLatin1(kNol), QString::fromLatin1(kNgg), QString::fromLatin1(kNsl),
            QString::fromLatin1(kGsp)};
}

QStringList saveLogoFilters() {
    return {QStringLiteral("All Files(*.*)"), QString::fromLatin1(kNol), QString::fromLatin1(kNgg),
            QString::fromLatin1(kNsl), QString::fromLatin1(kGsp)};
}

int openFilterForKind(LogoKind kind) {
    static const int filters[kLogoKindCount] = {1, 2, 4, 3};
    return filters[logoKindInfo(kind).kind];
}

int saveFilterForKind(LogoKind kind) {
    static const int filters[kLogoKindCount] = {2, 3, 5, 4};
    return filters[logoKindInfo(kind).kind];
}

QString saveExtensionFor(int filter, LogoKind kind) {
    switch (filter) {
        case 2:
            return QStringLiteral(".NOL");
        case 3:
            return QStringLiteral(".NGG");
        case 4:
            return QStringLiteral(".NSL");
        case 5:
            return QStringLiteral(".GSP");
        default:
            return saveExtensionFor(saveFilterForKind(kind), kind);
    }
}

QString withDefaultExtension(const QString &path, const QString &extension) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return name.contains(QLatin1Char('.')) ? path : path + extension;
}

std::optional<StartupOpen> startupOpenFor(const QString &path) {
    const QString end = path.right(3);
    const auto is = [&](const char *ext) {
        return end.compare(QLatin1String(ext), Qt::CaseInsensitive) == 0;
    };
    if (is("nol")) {
        return StartupOpen{kOperatorLogo, false};
    }
    if (is("ngg")) {
        return StartupOpen{kCallerGroupLogo, false};
    }
    if (is("nlm")) {
        return StartupOpen{kPictureMessage, false};
    }
    if (is("nsl")) {
        return StartupOpen{kStartupLogo, false};
    }
    if (is("gsp")) {
        return StartupOpen{kPictureMessage, true};
    }
    return std::nullopt;
}

}  // namespace glyphsmith
