#include "ui/tradesgrid.h"

#include <QHeaderView>

namespace {

constexpr int columnCount = 9;
constexpr int dataRows = 19;
constexpr int columnWidth = 86;
// The header row and the data rows have the same height.
constexpr int rowHeight = 22;

constexpr const char* gridStyle = R"(
QTableWidget {
    gridline-color: #D4D4D4;
    border: 1px solid #ABABAB;
    selection-background-color: #A5B9D1;
}
QTableWidget::item:hover { background: #E4EAF2; }
QTableWidget::item:focus { background: #4A78B0; color: #484644; font-weight: bold; }
QHeaderView::section {
    background: white;
    color: #3B3B3B;
    font-weight: bold;
    border: none;
    border-right: 1px solid #ABABAB;
    border-bottom: 1px solid #ABABAB;
}
QHeaderView::section:hover { border: 1px solid #B1B1B1; }
)";

} // namespace

void setUpTradesGrid(QTableWidget* grid)
{
    grid->setColumnCount(columnCount);
    grid->setRowCount(dataRows);
    grid->setColumnHidden(0, true);
    for (int column = 1; column < columnCount; ++column)
        grid->setColumnWidth(column, columnWidth);
    grid->setHorizontalHeaderLabels({QString(), QStringLiteral("TRADE ID"), QStringLiteral("DATE"),
        QStringLiteral("SIDE"), QStringLiteral("SYMBOL"), QStringLiteral("VOLUME"), QStringLiteral("PRICE"),
        QStringLiteral("VALUE"), QStringLiteral("TRADER")});

    grid->horizontalHeader()->setFixedHeight(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setMouseTracking(true);
    grid->setStyleSheet(QLatin1String(gridStyle));
}
