#include "message_box.h"

#include <QMessageBox>

void showMessage(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
