#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <vector>

// Takes the mailto: links the desktop would hand to the mail program.
class CMailtoCatcher : public QObject {
    Q_OBJECT
public:
    CMailtoCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open"); }
    ~CMailtoCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }

    Q_INVOKABLE void Open(const QUrl& url) { m_urls.push_back(url); }

    std::vector<QUrl> m_urls;
};
