#include "message_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

MessageAnswer::MessageAnswer() : seen_(std::make_shared<Seen>()), timer_(new QTimer)
{
    timer_->setInterval(10);
    QObject::connect(timer_, &QTimer::timeout, [seen = seen_, timer = timer_] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen->shown) {
            return;
        }
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->applicationModal = box->windowModality() == Qt::ApplicationModal;
        seen->buttons = static_cast<int>(box->buttons().size());
        timer->stop();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    });
    timer_->start();
}

MessageAnswer::~MessageAnswer() { delete timer_; }

UnansweredMessages::UnansweredMessages() : timer_(new QTimer)
{
    timer_->setInterval(1000);
    auto waiting = std::make_shared<QPointer<QMessageBox>>();
    QObject::connect(timer_, &QTimer::timeout, [waiting] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box == *waiting) {
            ADD_FAILURE() << "a message nobody answered: " << box->text().toStdString();
            box->reject();
            box = nullptr;
        }
        *waiting = box;
    });
    timer_->start();
}

UnansweredMessages::~UnansweredMessages() { delete timer_; }
