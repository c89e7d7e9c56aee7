#pragma once

#include "ReferenceWindow.h"

class TFormExp : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormExp(QWidget *parent = nullptr);
};
