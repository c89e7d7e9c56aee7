#pragma once

#include "ReferenceWindow.h"

class TFormZakl : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormZakl(QWidget *parent = nullptr);
};
