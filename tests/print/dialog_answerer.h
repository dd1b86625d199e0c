#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

// Answers the first modal dialog that opens while it lives, as a user
// pressing OK or Cancel, and remembers which dialog it was and its owner.
class DialogAnswerer {
public:
    explicit DialogAnswerer(bool accept)
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, accept] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            timer_.stop();
            className = dialog->metaObject()->className();
            owner = dialog->parentWidget();
            accept ? dialog->accept() : dialog->reject();
        });
        timer_.start();
    }

    bool answered() const { return !className.isEmpty(); }

    QString className;
    QWidget* owner = nullptr;

private:
    QTimer timer_;
};
