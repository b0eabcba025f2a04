#pragma once

#include <QTableWidget>

/// Gives the trades grid its columns, header texts and look: a header row and 19 empty rows.
void setUpTradesGrid(QTableWidget* grid);
