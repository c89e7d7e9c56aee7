#include "web/InfoPage.h"

#include "BuildConfig.h"
#include "data/Instructions.h"
#include "web/InfoLinks.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace {
void creditLine(QWidget *page, const char *name, const QString &text, const QColor &colour,
                const QRect &geometry)
{
    auto *label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

InfoPage::InfoPage(const Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("TabSheet7"));
    creditLine(this, "Label7", Instructions::programmerCredit(), Qt::blue, QRect(0, 8, 150, 25));
    creditLine(this, "Label8", Instructions::designerCredit(), Qt::red, QRect(0, 40, 145, 26));

    m_instructions = new QTextEdit(this);
    m_instructions->setObjectName(QStringLiteral("RichEdit1"));
    m_instructions->setReadOnly(true);
    m_instructions->setAcceptRichText(false);
    m_instructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_instructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_instructions->setLineWrapMode(QTextEdit::WidgetWidth);
    // Lines break at spaces, and inside a word too long for a line.
    m_instructions->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Every button opens the pressed address; there is no menu of the view's own.
    m_instructions->setContextMenuPolicy(Qt::NoContextMenu);
    m_instructions->viewport()->setMouseTracking(true);
    m_instructions->viewport()->installEventFilter(this);
    m_instructions->setGeometry(0, height() - kInstructionsHeight, width(), kInstructionsHeight);
    showInstructions();
}

void InfoPage::showInstructions()
{
    // One paragraph per line of the instructions; addresses are shown as links.
    QTextCursor cursor(m_instructions->document());
    QTextCharFormat linkFormat;
    linkFormat.setAnchor(true);
    linkFormat.setFontUnderline(true);
    linkFormat.setForeground(m_instructions->palette().brush(QPalette::Link));
    const QTextCharFormat plainFormat;

    cursor.beginEditBlock();
    bool first = true;
    const QStringList lines = Instructions::lines(QString::fromUtf8(BuildConfig::kGameHost),
                                                  QString::fromUtf8(BuildConfig::kCommunityHost));
    for (const QString &paragraph : lines) {
        if (!first)
            cursor.insertBlock();
        first = false;
        int at = 0;
        for (const InfoLinks::Link &link : InfoLinks::findLinks(paragraph)) {
            cursor.insertText(paragraph.mid(at, link.start - at), plainFormat);
            QTextCharFormat format = linkFormat;
            format.setAnchorHref(link.address);
            cursor.insertText(paragraph.mid(link.start, link.length), format);
            at = link.start + link.length;
        }
        cursor.insertText(paragraph.mid(at), plainFormat);
    }
    cursor.endEditBlock();
    m_instructions->moveCursor(QTextCursor::Start);
}

void InfoPage::openAddressAt(const QPoint &pos)
{
    // The view gives the cursor position nearest to the point; the character pressed is the
    // one after it, or the one before when the point lies left of it or past the paragraph's end.
    const QTextCursor cursor = m_instructions->cursorForPosition(pos);
    const QString paragraph = cursor.block().text();
    int index = cursor.positionInBlock();
    if (index == paragraph.size() || (index > 0 && pos.x() < m_instructions->cursorRect(cursor).x()))
        --index;
    // The word comes from the whole paragraph, not from the display line: an address that
    // the view wraps opens whole wherever it is pressed.
    const QString word = InfoLinks::wordAt(paragraph, index);
    const InfoLinks::Targets targets = InfoLinks::targetsOf(word);
    if (targets.web)
        m_services.openUrl(word);
    if (targets.mail)
        m_services.openMail(word);
}

bool InfoPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_instructions->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Any button; the second press of a double click is a press too.
            openAddressAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool overLink = !m_instructions->anchorAt(mouse->position().toPoint()).isEmpty();
            m_instructions->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void InfoPage::resizeEvent(QResizeEvent *event)
{
    // Aligned to the page's bottom edge at the full page width.
    m_instructions->setGeometry(0, height() - kInstructionsHeight, width(), kInstructionsHeight);
    QWidget::resizeEvent(event);
}
