#include "desktop/MessageDialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPushButton>

#include <exception>

namespace {

QString TitleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("警告");
    case MessageKind::Error:
        return QStringLiteral("ｴﾗｰ");
    case MessageKind::Information:
        return QStringLiteral("情報");
    case MessageKind::Confirmation:
        return QStringLiteral("確認");
    }
    return {};
}

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonInfo {
    MessageButton button;
    QMessageBox::ButtonRole role;
    const char *caption;
};

constexpr ButtonInfo kButtons[] = {
    {MessageButton::Yes, QMessageBox::YesRole, "はい(&Y)"},
    {MessageButton::No, QMessageBox::NoRole, "いいえ(&N)"},
    {MessageButton::Ok, QMessageBox::AcceptRole, "OK"},
    {MessageButton::Cancel, QMessageBox::RejectRole, "ｷｬﾝｾﾙ"},
};

bool Has(MessageButtons buttons, MessageButton button)
{
    return (buttons & static_cast<int>(button)) != 0;
}

// What a box closed without a click answers: Cancel, else No, else OK.
MessageButton DismissAnswer(MessageButtons buttons)
{
    if (Has(buttons, MessageButton::Cancel))
        return MessageButton::Cancel;
    return Has(buttons, MessageButton::No) ? MessageButton::No : MessageButton::Ok;
}

MessageButton ShowBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                      MessageButtons buttons)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    // Kept on top like the view window, so a question never waits unseen behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const MessageButton dismiss = DismissAnswer(buttons);
    for (const ButtonInfo &info : kButtons) {
        if (!Has(buttons, info.button))
            continue;
        QPushButton *button = box.addButton(QString::fromUtf8(info.caption), info.role);
        button->setProperty("messageButton", static_cast<int>(info.button));
        if (info.button == dismiss)
            box.setEscapeButton(button);
    }
    box.exec();
    if (QAbstractButton *clicked = box.clickedButton())
        return static_cast<MessageButton>(clicked->property("messageButton").toInt());
    return dismiss;
}

} // namespace

MessageButton ShowMessageBox(QWidget *parent, MessageKind kind, const QString &text, MessageButtons buttons)
{
    return ShowBox(parent, IconOf(kind), TitleOf(kind), text, buttons);
}

void ShowErrorReport(QWidget *parent, const QString &message)
{
    ShowBox(parent, QMessageBox::Critical, QStringLiteral("Vemo-Editor"), message + QLatin1Char('.'),
            static_cast<int>(MessageButton::Ok));
}

QString FailureText(const std::exception &failure)
{
    return QString::fromLocal8Bit(failure.what());
}

void RunGuarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &failure) {
        ShowErrorReport(parent, FailureText(failure));
    } catch (...) {
        ShowErrorReport(parent, QCoreApplication::translate("MessageDialogs", "Unknown failure"));
    }
}
