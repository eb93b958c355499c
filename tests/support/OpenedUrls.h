#pragma once
// Catches what the editor asks the desktop to open (QDesktopServices::openUrl) for file URLs,
// while it lives, so widget tests can see it without starting a browser.
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;

    const QList<QUrl> &Urls() const { return urls_; }

public slots:
    void Open(const QUrl &url);

private:
    QList<QUrl> urls_;
};
