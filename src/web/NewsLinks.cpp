#include "web/NewsLinks.h"

#include "web/LinkLabel.h"
#include "web/WebAddresses.h"

#include <QWidget>

namespace {
LinkLabel *newsLink(QWidget *page, const char *name, const QString &text, int top,
                    const std::function<void()> &open)
{
    auto *label = new LinkLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setForegroundRole(QPalette::Link);
    label->move(8, top);
    label->adjustSize();
    // A double click opens the page twice, once for its click and once for itself.
    QObject::connect(label, &LinkLabel::clicked, label, open);
    QObject::connect(label, &LinkLabel::doubleClicked, label, open);
    return label;
}
} // namespace

void NewsLinks::addTo(QWidget *knowledgePage, const Services &services)
{
    newsLink(knowledgePage, "Label13", QStringLiteral("НОВОСТИ ОНЛ"), 184,
             [services] { services.openUrl(WebAddresses::gameNews()); });
    newsLink(knowledgePage, "Label14", QStringLiteral("НОВОСТИ Brannoc"), 208,
             [services] { services.openUrl(WebAddresses::communityStart()); });
}
