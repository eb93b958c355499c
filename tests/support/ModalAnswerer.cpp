#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

ModalAnswerer::ModalAnswerer(QStringList answers) : answers_(std::move(answers))
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer_.start(10);
}

void ModalAnswerer::Poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    SeenMessage message{box->windowTitle(), box->text(), {}};
    const QString answer = answers_.value(seen_.size(), answers_.isEmpty() ? QString() : answers_.last());
    QAbstractButton *chosen = nullptr;
    for (QAbstractButton *button : box->buttons()) {
        message.buttons << button->text();
        if (button->text() == answer)
            chosen = button;
    }
    seen_ << message;
    if (chosen)
        chosen->click();
    else
        box->reject();
}
