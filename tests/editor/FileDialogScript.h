// Answers the modal windows a command opens, from a timer: each step acts on
// the next modal window that appears. A modal window that appears when no
// step is left is rejected and counted, so a test fails instead of hanging.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <utility>

namespace glyphsmith::test {

class ModalScript {
public:
    using Step = std::function<void(QWidget *modal)>;

    ModalScript() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    ModalScript &then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    // The next modal window, which must be a T, has `act` done to it.
    template <class T>
    ModalScript &on(std::function<void(T *)> act) {
        return then([act](QWidget *w) {
            if (auto *t = qobject_cast<T *>(w)) {
                act(t);
                return;
            }
            ADD_FAILURE() << "unexpected modal window " << w->metaObject()->className();
            static_cast<QDialog *>(w)->reject();
        });
    }

    // The next file dialog gets `path` typed in and accepted; `check` first
    // looks at the dialog.
    ModalScript &chooseFile(const QString &path,
                            std::function<void(QFileDialog *)> check = nullptr) {
        return on<QFileDialog>([path, check](QFileDialog *dialog) {
            if (check) {
                check(dialog);
            }
            // typed into the name box, as a user would: selectFile may be
            // undone by the dialog's folder loading still under way
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
                edit->setText(path);
            } else {
                dialog->selectFile(path);
            }
            static_cast<QDialog *>(dialog)->accept();  // QFileDialog::accept is protected
        });
    }

    // The next modal dialog is cancelled.
    ModalScript &cancel() {
        return on<QDialog>([](QDialog *d) { d->reject(); });
    }

    // The next message box is answered with `button`.
    ModalScript &press(QMessageBox::StandardButton button) {
        return on<QMessageBox>([button](QMessageBox *box) {
            EXPECT_NE(box->button(button), nullptr);
            box->button(button) ? box->button(button)->click() : box->reject();
        });
    }

    int shown() const { return shown_; }
    int unexpected() const { return unexpected_; }
    bool done() const { return steps_.empty(); }

private:
    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last_) {
            return;
        }
        last_ = modal;
        ++shown_;
        if (steps_.empty()) {
            ++unexpected_;
            if (auto *d = qobject_cast<QDialog *>(modal)) {
                d->reject();
            } else {
                modal->close();
            }
            return;
        }
        // acted on from a timer of its own: a step that opens a nested modal
        // window (a question) must leave this polling timer free to fire
        QTimer::singleShot(0, [step = std::move(steps_.front()), target = QPointer(modal)] {
            if (target) {
                step(target);
            }
        });
        steps_.pop_front();
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    int shown_ = 0;
    int unexpected_ = 0;
};

}  // namespace glyphsmith::test
