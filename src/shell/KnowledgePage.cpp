#include "shell/KnowledgePage.h"

#include "reference/AlchemyWindow.h"
#include "reference/CraftingWindow.h"
#include "reference/ExperienceWindow.h"
#include "reference/LeatherworkingWindow.h"
#include "reference/SpellcastingWindow.h"
#include "web/LinkLabel.h"
#include "web/NewsLinks.h"

#include <QPushButton>

namespace {
template <class Window> ReferenceWindow *make()
{
    return new Window;
}

// The page's buttons, top to bottom, and the windows they open.
const struct {
    const char *objectName;
    const char *caption;
    ReferenceWindow *(*make)();
} kWindows[KnowledgePage::kWindowCount] = {
    {"Button1", QT_TRANSLATE_NOOP("KnowledgePage", "Таблица крафта"), make<CraftingWindow>},
    {"Button2", QT_TRANSLATE_NOOP("KnowledgePage", "Таблица опыта"), make<ExperienceWindow>},
    {"Button3", QT_TRANSLATE_NOOP("KnowledgePage", "Заклинательство"), make<SpellcastingWindow>},
    {"Button4", QT_TRANSLATE_NOOP("KnowledgePage", "Алхимия"), make<AlchemyWindow>},
    {"Button5", QT_TRANSLATE_NOOP("KnowledgePage", "Кожевничество"), make<LeatherworkingWindow>},
};
} // namespace

KnowledgePage::KnowledgePage(const Services &services, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    for (int i = 0; i < kWindowCount; ++i) {
        auto *button = new QPushButton(tr(kWindows[i].caption), this);
        button->setObjectName(QString::fromLatin1(kWindows[i].objectName));
        button->setGeometry(8, 16 + 32 * i, 121, 25);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (!m_windows[i])
                m_windows[i].reset(kWindows[i].make());
            m_windows[i]->showOrRaise();
        });
    }
    // The news links sit below the buttons, at the left edge the buttons keep.
    NewsLinks::gameNews(services, this)->move(8, 184);
    NewsLinks::communityNews(services, this)->move(8, 208);
}

KnowledgePage::~KnowledgePage() = default;
