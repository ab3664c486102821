#include "shell/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "shell/SaveBytes.h"

namespace glyphsmith {

namespace {

constexpr int kToolTimeoutMs = 5000;

// Glob patterns already listed in a package written earlier.
QStringList existingGlobs(const QString &path) {
    QFile f(path);
    QStringList globs;
    if (!f.open(QIODevice::ReadOnly)) {
        return globs;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"glob") {
            const QString pattern = xml.attributes().value(QStringLiteral("pattern")).toString();
            if (!pattern.isEmpty() && !globs.contains(pattern)) {
                globs << pattern;
            }
        }
    }
    return globs;
}

bool isMediaType(const QString &text) {
    static const QRegularExpression re(
        QStringLiteral("^[A-Za-z0-9!#$&^_.+-]+/[A-Za-z0-9!#$&^_.+-]+$"));
    return re.match(text).hasMatch();
}

bool writeMimePackage(const QString &path, const FileTypeInfo &info, const QStringList &globs) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("mime-info"));
    xml.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    xml.writeStartElement(QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), MimeTypeForClass(info.className));
    xml.writeTextElement(QStringLiteral("comment"), info.description);
    if (isMediaType(info.contentType)) {
        xml.writeEmptyElement(QStringLiteral("alias"));
        xml.writeAttribute(QStringLiteral("type"), info.contentType);
    }
    for (const QString &g : globs) {
        xml.writeEmptyElement(QStringLiteral("glob"));
        xml.writeAttribute(QStringLiteral("pattern"), g);
        xml.writeAttribute(QStringLiteral("case-sensitive"), QStringLiteral("true"));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    // A full disk shows only when the buffer is flushed; without the flush
    // the commit would put a short file in place. Uncommitted, the
    // temporary file is dropped.
    return !xml.hasError() && out.flush() && out.commit();
}

// A command line as one Exec argument (desktop entry quoting rules), followed
// by the field code for the file being opened.
QString execLine(const QString &program) {
    static const QRegularExpression reserved(QStringLiteral("[ \\t\\n\"'\\\\><~|&;$*?#()`]"));
    QString arg = program;
    if (arg.contains(reserved)) {
        arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        arg.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        arg.replace(QLatin1Char('`'), QStringLiteral("\\`"));
        arg.replace(QLatin1Char('$'), QStringLiteral("\\$"));
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    }
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));  // the file's own string escaping
    return arg + QStringLiteral(" %f");
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool writeDesktopEntry(const QString &path, const FileTypeInfo &info, const QString &icon) {
    QString name = QFileInfo(info.commandLines.value(0)).baseName();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + oneLine(name.isEmpty() ? info.className : name) + u'\n';
    text += QStringLiteral("Comment=") + oneLine(info.description) + u'\n';
    text += QStringLiteral("Exec=") + execLine(oneLine(info.commandLines.value(0))) + u'\n';
    text += QStringLiteral("MimeType=") + MimeTypeForClass(info.className) + QStringLiteral(";\n");
    text += QStringLiteral("NoDisplay=true\n");
    if (icon != QStringLiteral(",0") && !info.iconPath.isEmpty()) {
        text += QStringLiteral("Icon=") + oneLine(info.iconPath) + u'\n';
    }
    QStringList actions;
    for (qsizetype i = 1; i < info.verbs.size(); ++i) {
        actions << QStringLiteral("verb%1").arg(i);
    }
    if (!actions.isEmpty()) {
        text += QStringLiteral("Actions=") + actions.join(u';') + QStringLiteral(";\n");
    }
    for (qsizetype i = 1; i < info.verbs.size(); ++i) {
        text += QStringLiteral("\n[Desktop Action verb%1]\n").arg(i);
        text += QStringLiteral("Name=") + oneLine(info.verbs[i]) + u'\n';
        text += QStringLiteral("Exec=") + execLine(oneLine(info.commandLines.value(i))) + u'\n';
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveBytes(path, text.toUtf8());
}

void runTool(const QString &tool, const QString &folder) {
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty() || !QFileInfo(folder).isDir()) {
        return;
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(exe, {folder});
    if (p.waitForStarted(kToolTimeoutMs) && !p.waitForFinished(kToolTimeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
    }
}

}  // namespace

QString MimeTypeForClass(const QString &className) {
    return QStringLiteral("application/x-") + className.toLower();
}

QString MimePackagePath(const QString &dataHome, const QString &className) {
    return dataHome + QStringLiteral("/mime/packages/") + className.toLower() +
           QStringLiteral(".xml");
}

QString DesktopEntryPath(const QString &dataHome, const QString &className) {
    return dataHome + QStringLiteral("/applications/") + className.toLower() +
           QStringLiteral(".desktop");
}

bool RegisterFileType(const FileTypeInfo &info, const QString &dataHome) {
    const QString icon = info.iconPath + QLatin1Char(',') + QString::number(info.iconIndex);
    QString extension = info.extension;
    if (!extension.startsWith(QLatin1Char('.'))) {
        extension.prepend(QLatin1Char('.'));
    }

    const QString package = MimePackagePath(dataHome, info.className);
    QStringList globs = existingGlobs(package);
    for (const QString &g :
         {QLatin1Char('*') + extension.toUpper(), QLatin1Char('*') + extension.toLower()}) {
        if (!globs.contains(g)) {
            globs << g;
        }
    }
    const bool packageWritten = writeMimePackage(package, info, globs);
    const bool entryWritten =
        writeDesktopEntry(DesktopEntryPath(dataHome, info.className), info, icon);
    return packageWritten && entryWritten;
}

void RefreshFileAssociationDatabases(const QString &dataHome) {
    runTool(QStringLiteral("update-mime-database"), dataHome + QStringLiteral("/mime"));
    runTool(QStringLiteral("update-desktop-database"), dataHome + QStringLiteral("/applications"));
}

}  // namespace glyphsmith
