#include "TFormExp.h"

TFormExp::TFormExp(QWidget *parent)
    : ReferenceWindow("TFormExp", QStringLiteral("Таблица опыта"), QSize(601, 504), parent)
{
}
