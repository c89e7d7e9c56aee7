#pragma once

#include "ReferenceWindow.h"

class TForm2 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
