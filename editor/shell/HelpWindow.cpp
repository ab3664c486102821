#include "shell/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/Artwork.h"
#include "shell/Resources.h"

namespace glyphsmith {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    InitEditorResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Glyphsmith Help"));
    setWindowIcon(Artwork::windowIcon());
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 460);
}

QUrl HelpWindow::topicUrl(const QString &helpFilePath, const QString &topic) {
    const QFileInfo info(helpFilePath);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (!helpFilePath.isEmpty() && QFileInfo(QDir(folder).filePath(topic)).isFile()) {
        return QUrl::fromLocalFile(QDir(folder).filePath(topic));
    }
    return QUrl(QStringLiteral("qrc:/help/") + topic);
}

void HelpWindow::showTopic(const QString &helpFilePath, const QString &topic) {
    browser_->setSource(topicUrl(helpFilePath, topic));
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::currentSource() const {
    return browser_->source();
}

}  // namespace glyphsmith
