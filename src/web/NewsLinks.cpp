#include "web/NewsLinks.h"

#include "web/LinkLabel.h"
#include "web/WebAddresses.h"

#include <QCoreApplication>

namespace {
LinkLabel *newsLink(QWidget *parent, const char *name, const QString &text, const std::function<void()> &open)
{
    auto *label = new LinkLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setForegroundRole(QPalette::Link);
    label->adjustSize();
    // A double click opens the page twice, once for its click and once for itself.
    QObject::connect(label, &LinkLabel::clicked, label, open);
    QObject::connect(label, &LinkLabel::doubleClicked, label, open);
    return label;
}
} // namespace

LinkLabel *NewsLinks::gameNews(const Services &services, QWidget *parent)
{
    return newsLink(parent, "Label13", QCoreApplication::translate("NewsLinks", "НОВОСТИ ОНЛ"),
                    [services] { services.openUrl(WebAddresses::gameNews()); });
}

LinkLabel *NewsLinks::communityNews(const Services &services, QWidget *parent)
{
    return newsLink(parent, "Label14", QCoreApplication::translate("NewsLinks", "НОВОСТИ Brannoc"),
                    [services] { services.openUrl(WebAddresses::communityStart()); });
}
