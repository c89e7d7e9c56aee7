#include "InfoPage.h"

#include "BuildConfig.h"
#include "InfoLinks.h"
#include "Instructions.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

namespace {
QLabel *creditLine(QWidget *page, const char *name, const QString &text, const QColor &colour,
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
    return label;
}

// The character of the document nearest to a point in document coordinates, as the block
// that holds it and its index in that block; index -1 when there is no character.
struct CharacterHit {
    QTextBlock block;
    int index = -1;
};

CharacterHit characterNearest(const QTextDocument *document, const QPointF &point)
{
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    QTextBlock block = document->firstBlock();
    // The paragraph at the point's height, or the last one for a press below the text.
    while (block.isValid() && block.next().isValid() && layout->blockBoundingRect(block).bottom() <= point.y())
        block = block.next();
    if (!block.isValid() || block.text().isEmpty() || !block.layout())
        return {};
    const QTextLayout *lines = block.layout();
    if (lines->lineCount() == 0)
        return {};
    const QRectF blockRect = layout->blockBoundingRect(block);
    const QPointF local = point - blockRect.topLeft();
    QTextLine line = lines->lineAt(lines->lineCount() - 1);
    for (int i = 0; i < lines->lineCount(); ++i) {
        if (local.y() < lines->lineAt(i).rect().bottom()) {
            line = lines->lineAt(i);
            break;
        }
    }
    if (line.textLength() <= 0)
        return {};
    int index = line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
    // Beside the line's end the nearest character is its last one.
    index = qBound(line.textStart(), index, line.textStart() + line.textLength() - 1);
    index = qMin(index, block.text().size() - 1);
    return {block, index};
}
} // namespace

InfoPage::InfoPage(const Services &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("TabSheet7"));
    m_programmer = creditLine(this, "Label7", Instructions::programmerCredit(), Qt::blue, QRect(0, 8, 150, 25));
    m_designer = creditLine(this, "Label8", Instructions::designerCredit(), Qt::red, QRect(0, 40, 145, 26));

    m_richEdit = new QTextEdit(this);
    m_richEdit->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit->setReadOnly(true);
    m_richEdit->setAcceptRichText(false);
    m_richEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_richEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_richEdit->setLineWrapMode(QTextEdit::WidgetWidth);
    // Like the classic rich edit: break at spaces, and inside a word too long for a line.
    m_richEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Every button opens the pressed address; there is no menu of the view's own.
    m_richEdit->setContextMenuPolicy(Qt::NoContextMenu);
    m_richEdit->viewport()->setMouseTracking(true);
    m_richEdit->viewport()->installEventFilter(this);
    m_richEdit->setGeometry(0, height() - kRichEditHeight, width(), kRichEditHeight);

    m_memo = Instructions::lines(QString::fromUtf8(BuildConfig::kGameHost),
                                 QString::fromUtf8(BuildConfig::kCommunityHost));
}

void InfoPage::setUp()
{
    QTextDocument *document = m_richEdit->document();
    document->clear();
    QTextCursor cursor(document);
    QTextCharFormat linkFormat;
    linkFormat.setAnchor(true);
    linkFormat.setFontUnderline(true);
    linkFormat.setForeground(m_richEdit->palette().brush(QPalette::Link));
    const QTextCharFormat plainFormat;

    cursor.beginEditBlock();
    bool first = true;
    for (const QString &paragraph : std::as_const(m_memo)) {
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
    m_richEdit->moveCursor(QTextCursor::Start);
}

void InfoPage::RichEdit1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &pos)
{
    const QPointF documentPoint(pos.x() + m_richEdit->horizontalScrollBar()->value(),
                                pos.y() + m_richEdit->verticalScrollBar()->value());
    const CharacterHit hit = characterNearest(m_richEdit->document(), documentPoint);
    if (hit.index < 0)
        return;
    // The word comes from the whole paragraph, not from the display line: an address that
    // the view wraps opens whole wherever it is pressed.
    const QString word = InfoLinks::wordAt(hit.block.text(), hit.index);
    const InfoLinks::Targets targets = InfoLinks::targetsOf(word);
    if (targets.web)
        m_services.openUrl(word);
    if (targets.mail)
        m_services.openMail(word);
}

bool InfoPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_richEdit->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // The second press of a double click is a press too.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            RichEdit1MouseDown(mouse->button(), mouse->modifiers(), mouse->position().toPoint());
            break;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool overLink = !m_richEdit->anchorAt(mouse->position().toPoint()).isEmpty();
            m_richEdit->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
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
    m_richEdit->setGeometry(0, height() - kRichEditHeight, width(), kRichEditHeight);
    QWidget::resizeEvent(event);
}
