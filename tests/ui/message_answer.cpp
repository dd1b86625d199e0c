#include "message_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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
