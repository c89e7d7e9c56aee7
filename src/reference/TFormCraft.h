#pragma once

#include "ReferenceWindow.h"

class TFormCraft : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormCraft(QWidget *parent = nullptr);
};
