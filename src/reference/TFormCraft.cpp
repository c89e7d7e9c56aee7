#include "TFormCraft.h"

TFormCraft::TFormCraft(QWidget *parent)
    : ReferenceWindow("TFormCraft", QStringLiteral("Крафт"), QSize(833, 511), parent)
{
}
