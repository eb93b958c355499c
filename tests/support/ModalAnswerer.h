#pragma once
// Answers the modal message boxes a command shows, by clicking the button with a given caption,
// and records what each box said. Lets widget tests drive the real QMessageBox.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

struct SeenMessage {
    QString title;
    QString text;
    QStringList buttons;
};

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    // Each box that appears is answered with the next caption; a box beyond the list gets the last one.
    explicit ModalAnswerer(QStringList answers = {QStringLiteral("OK")});

    const QList<SeenMessage> &Seen() const { return seen_; }

private:
    void Poll();

    QStringList answers_;
    QList<SeenMessage> seen_;
    QTimer timer_;
};
