#include "TFormAlchemy.h"

TFormAlchemy::TFormAlchemy(QWidget *parent)
    : ReferenceWindow("TFormAlchemy", QStringLiteral("Алхимия"), QSize(543, 425), parent)
{
}
