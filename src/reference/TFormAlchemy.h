#pragma once

#include "ReferenceWindow.h"

class TFormAlchemy : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormAlchemy(QWidget *parent = nullptr);
};
