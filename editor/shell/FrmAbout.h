// The about box: "About " and the application title as caption; OK closes it.
#pragma once

#include <QDialog>

namespace glyphsmith {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);
};

}  // namespace glyphsmith
