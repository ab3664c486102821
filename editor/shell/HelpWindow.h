// The help window: HTML help pages, opened at a topic.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace glyphsmith {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Where `topic` is found for the help named by "HelpFilePath": in that
    // folder when it holds the topic, otherwise among the pages built into
    // the program.
    static QUrl topicUrl(const QString &helpFilePath, const QString &topic);

    // Shows `topic` of the help named by `helpFilePath`.
    void showTopic(const QString &helpFilePath, const QString &topic);
    QUrl currentSource() const;

private:
    QTextBrowser *browser_;
};

}  // namespace glyphsmith
