#include "TFormZakl.h"

TFormZakl::TFormZakl(QWidget *parent)
    : ReferenceWindow("TFormZakl", QStringLiteral("Заклинательство"), QSize(748, 477), parent)
{
}
