#include "hunting/StatisticsPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace {
constexpr int kGridHeight = 129;
constexpr int kRowPitch = 25;
constexpr int kNameColumnWidth = 50;
constexpr int kTextIndent = 2;
constexpr int kSkillLeft = 104;

// Cells as a classic string grid draws them: the text two pixels from the left edge,
// never shortened with an ellipsis.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>())
            painter->fillRect(option.rect, background.value<QBrush>());
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(kTextIndent, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }
};
} // namespace

StatisticsPage::StatisticsPage(const HuntingBoard *hunt, QWidget *parent) : QWidget(parent), m_hunt(hunt)
{
    setObjectName(QStringLiteral("TabSheet2"));

    m_grid = new QTableWidget(5, 3, this);
    m_grid->setObjectName(QStringLiteral("SGrid"));
    // The first row and column are the grid's own fixed cells, not Qt's headers.
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowPitch);
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    m_grid->horizontalHeader()->setDefaultSectionSize(kNameColumnWidth);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setGeometry(0, 0, 161, kGridHeight);
    m_grid->setItemDelegate(new GridCellDelegate(m_grid));
    // The longest animal name must fit the 50-pixel name column; with a wide font the
    // grid's text gets smaller until it does.
    QFont font = m_grid->font();
    const QString longestName = tr("Медведь");
    int pixelSize = QFontInfo(font).pixelSize();
    while (QFontMetrics(font).horizontalAdvance(longestName) > kNameColumnWidth - kTextIndent - 1 &&
           pixelSize > 8)
        font.setPixelSize(--pixelSize);
    m_grid->setFont(font);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (row == 0 || column == 0)
                item->setBackground(palette().color(QPalette::Button));
            m_grid->setItem(row, column, item);
        }
    }

    m_skillCaption = new QLabel(tr("Навык увеличен на:"), this);
    m_skillCaption->setObjectName(QStringLiteral("Label_Opyt"));
    m_skillCaption->move(0, 136);
    m_skillCaption->adjustSize();

    m_skill = new QLabel(this);
    m_skill->setObjectName(QStringLiteral("Label_NOpyt"));
    m_skill->move(kSkillLeft, 136);
}

void StatisticsPage::resizeEvent(QResizeEvent *event)
{
    // Aligned to the top: the grid takes the page's whole width.
    m_grid->setGeometry(0, 0, width(), kGridHeight);
    QWidget::resizeEvent(event);
}

void StatisticsPage::setCell(int column, int row, const QString &text)
{
    m_grid->item(row, column)->setText(text);
}

void StatisticsPage::recount()
{
    m_tally = tallyHunt(m_hunt->animals(), m_hunt->marks());

    const QString names[4] = {tr("Заяц"), tr("Волк"), tr("Кабан"), tr("Медведь")};
    for (int kind = 0; kind < 4; ++kind)
        setCell(0, kind + 1, names[kind]);
    setCell(1, 0, tr("Найдено"));
    setCell(2, 0, tr("Шкуры"));

    const char *const limits[4] = {"/4", "/2", "/2", "/1"};
    for (int kind = 0; kind < 4; ++kind)
        setCell(1, kind + 1, QString::number(m_tally.found[kind]) + QLatin1String(limits[kind]));
    for (int kind = 0; kind < 4; ++kind)
        setCell(2, kind + 1, QString::number(m_tally.pelts[kind]));
}

void StatisticsPage::finishAfterShown()
{
    const StatisticsColumnWidths widths = statisticsColumnWidths(m_grid->contentsRect().width());
    m_grid->setColumnWidth(1, widths.found);
    m_grid->setColumnWidth(2, widths.pelts);
    m_skill->setText(QString::number(m_tally.skillGain));
    m_skill->adjustSize();
    // Where the caption comes out wider than it was laid out for, the number moves right
    // rather than overwrite it.
    m_skill->move(std::max(kSkillLeft, m_skillCaption->x() + m_skillCaption->sizeHint().width() + 3), 136);
}
