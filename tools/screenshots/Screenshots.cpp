// Makes the README's pictures of the running program: the main window in each
// logo kind with a drawn logo, and the other windows the toolbar opens. Run it
// under an X server (scripts/screenshots starts Xvfb); it works on a private
// home and a private virtual phone, and writes PNG files into the folder
// given as its argument.
//
// It drives the program only as a user would, through the controls' object
// names and the mouse, so that it keeps working when the code behind moves.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "PixelArt.h"
#include "capture/FrmImportPicture.h"
#include "shell/EditorEnvironment.h"
#include "shell/FrmMain.h"
#include "shell/MessageService.h"

using namespace glyphsmith;

namespace {

constexpr int kCell = 6;  // screen pixels per logo pixel in the zoomed view

// Answers every question with No (so "New" discards the last drawing) and
// prints the messages instead of showing them.
class QuietMessages : public MessageService {
public:
    void information(QWidget *, const QString &title, const QString &text) override {
        std::fprintf(stderr, "screenshots: message %s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
};

void settle(int ms = 150) {
    QTest::qWait(ms);
}

bool save(QWidget *w, const QString &path) {
    w->raise();
    w->activateWindow();
    settle();
    // The window with its frame as the window manager shows it; without a
    // window manager the client area is all there is.
    const QPixmap shot = w->grab();
    if (!shot.save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Draws `art` on the zoomed view with the pencil, one click per set pixel.
void drawArt(QWidget *view, const QImage &art) {
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            if (qGray(art.pixel(x, y)) >= 128) {
                continue;
            }
            const QPoint at(x * kCell + kCell / 2, y * kCell + kCell / 2);
            QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
            QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &move);
            QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at);
        }
    }
}

// The visible top-level window whose object name starts with `prefix`, or
// the active modal one.
QWidget *shownWindow(const QString &prefix) {
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(prefix)) {
            return w;
        }
    }
    return QApplication::activeModalWidget();
}

// Clicks `button` and, while the window it opens (object name starting with
// `window`) is up, saves that window and closes it.
// `button` may also name a menu entry.
void shootWindow(QWidget *main, const char *button, const char *window, const QString &path,
                 const std::function<void(QWidget *)> &fill = {}) {
    auto *b = main->findChild<QAbstractButton *>(QString::fromLatin1(button));
    auto *action = main->findChild<QAction *>(QString::fromLatin1(button));
    if ((!b || !b->isEnabled()) && !action) {
        std::fprintf(stderr, "screenshots: no enabled %s\n", button);
        return;
    }
    bool done = false;
    QTimer::singleShot(1200, [&, path] {
        if (QWidget *w = shownWindow(QString::fromLatin1(window))) {
            if (fill) {
                fill(w);
                settle(400);
            }
            save(w, path);
            w->close();
        }
        done = true;
    });
    if (b) {
        b->click();
    } else {
        action->trigger();
    }
    QTest::qWaitFor([&] { return done; }, 30000);
    settle(300);
}

// A photograph-like picture: a radial light over a diagonal grey ramp.
QImage gradientPicture() {
    QImage img(400, 240, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double dx = x - 260.0, dy = y - 90.0;
            const double light = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) / 220.0);
            const int g = std::clamp(int(255 * (0.15 + 0.45 * x / 400.0 + 0.5 * light)), 0, 255);
            img.setPixel(x, y, qRgb(g, g, g));
        }
    }
    return img;
}

}  // namespace

int main(int argc, char **argv) {
    QTemporaryDir home;
    const QString h = home.path();
    qputenv("HOME", h.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (h + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (h + "/.local/share").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (h + "/.cache").toLocal8Bit());
    qputenv("PHONEENG_VIRTUAL_DIR", (h + "/phone").toLocal8Bit());
    qputenv("GLYPHSMITH_PORT", "VIRTUAL");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glyphsmith"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    EditorEnvironment env = EditorEnvironment::standard();
    env.refreshAssociations = [](const QString &) {};
    env.messages = std::make_shared<QuietMessages>();
    FrmMain main(env);
    main.startUp();
    main.move(0, 0);
    settle(500);

    QWidget *view = main.findChild<QWidget *>(QStringLiteral("picContainer"));
    if (!view) {
        std::fprintf(stderr, "screenshots: no zoomed view\n");
        return 1;
    }
    const struct {
        const char *option;
        const char *file;
    } kinds[] = {{"optOperator", "main-operator.png"},
                 {"optCallerGroup", "main-callergroup.png"},
                 {"optPicture", "main-picture.png"},
                 {"optStartup", "main-startup.png"}};
    int failures = 0;
    for (const auto &k : kinds) {
        auto *opt = main.findChild<QRadioButton *>(QString::fromLatin1(k.option));
        if (!opt) {
            ++failures;
            continue;
        }
        if (auto *fresh = main.findChild<QAbstractButton *>(QStringLiteral("cmdNew"))) {
            fresh->click();
        }
        opt->click();
        settle(300);
        QSize size(72, 14);
        if (QByteArray(k.option) == "optPicture") {
            size = QSize(72, 28);
        } else if (QByteArray(k.option) == "optStartup") {
            size = QSize(84, 48);
        }
        drawArt(view, tools::PixelArtForSize(size.width(), size.height()));
        settle(200);
        failures += save(&main, out + QLatin1Char('/') + QLatin1String(k.file)) ? 0 : 1;
    }

    const QString dir = out + QLatin1Char('/');
    shootWindow(&main, "cmdRingtones", "frmRingtone", dir + "ringtones.png", [](QWidget *w) {
        if (auto *read = w->findChild<QAbstractButton *>(QStringLiteral("cmdRead"))) {
            read->click();  // the sample tune named in the path box
        }
    });
    // Startup logos cannot be sent: send the picture message instead.
    if (auto *picture = main.findChild<QRadioButton *>(QStringLiteral("optPicture"))) {
        picture->click();
        settle(300);
    }
    shootWindow(&main, "cmdSendLogo", "frmSendLogo", dir + "send-logo.png");
    shootWindow(&main, "cmdPhonebook", "frmPhoneBook", dir + "phonebook.png");
    shootWindow(&main, "cmdSnap", "FrmZGetDesk", dir + "capture.png");
    main.show();
    settle(300);
    // The connection check on the first serial port, where no phone answers.
    shootWindow(&main, "mnuOptions", "frmOptions", dir + "options-check.png", [](QWidget *w) {
        if (auto *port = w->findChild<QComboBox *>(QStringLiteral("cmbPort"))) {
            port->setEditText(QStringLiteral("COM1"));
        }
        if (auto *check = w->findChild<QAbstractButton *>(QStringLiteral("cmdTestConnection"))) {
            check->click();
        }
    });
    main.show();
    settle(300);

    FrmImportPicture import(gradientPicture(), QSize(84, 48), &main);
    import.show();
    if (auto *dither = import.findChild<QComboBox *>(QStringLiteral("cboDither"))) {
        dither->setCurrentIndex(dither->findText(QStringLiteral("Atkinson")));
    }
    settle(400);
    failures += save(&import, dir + "import.png") ? 0 : 1;
    import.close();

    main.setAttribute(Qt::WA_DeleteOnClose, false);
    return failures == 0 ? 0 : 1;
}
