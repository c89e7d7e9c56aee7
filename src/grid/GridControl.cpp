#include "GridControl.h"

GridControl::GridControl(QWidget *parent) : QTableWidget(parent) {}
