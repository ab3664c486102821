// The library's about window: its name and version, shown modeless. There is
// one window at a time; asking again brings it to the front.
#pragma once

#include <QDialog>

namespace velkor17 {

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Shows the one about window, creating it when none is open.
    static AboutWindow *showWindow();
};

}  // namespace velkor17
