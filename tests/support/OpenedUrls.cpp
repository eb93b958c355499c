#include "OpenedUrls.h"

#include <QDesktopServices>

OpenedUrls::OpenedUrls()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
}

OpenedUrls::~OpenedUrls()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void OpenedUrls::Open(const QUrl &url)
{
    urls_ << url;
}
