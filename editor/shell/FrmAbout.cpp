#include "shell/FrmAbout.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Artwork.h"

namespace glyphsmith {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + QStringLiteral("Glyphsmith"));
    setWindowIcon(Artwork::windowIcon());

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(Artwork::windowIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(QStringLiteral("<b style='font-size:16pt'>Glyphsmith</b>"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    const QString version = QCoreApplication::applicationVersion();
    auto *versionLabel = new QLabel(
        QStringLiteral("Version ") + (version.isEmpty() ? QStringLiteral("0.1") : version), this);
    versionLabel->setObjectName(QStringLiteral("lblVersion"));
    auto *description = new QLabel(
        QStringLiteral("An editor for the small black-and-white pictures of mobile phones: "
                       "operator logos, caller-group logos, picture messages and startup "
                       "logos, with a ring tone manager.\n\n"
                       "Free software under the GNU General Public License, version 3 or "
                       "later. It comes with no warranty."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    description->setFixedWidth(290);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(versionLabel);
    text->addSpacing(8);
    text->addWidget(description);
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace glyphsmith
