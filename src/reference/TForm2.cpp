#include "TForm2.h"

TForm2::TForm2(QWidget *parent)
    : ReferenceWindow("TForm2", QStringLiteral("Кожевничество"), QSize(698, 513), parent)
{
}
