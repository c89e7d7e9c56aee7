#pragma once

#include <QWidget>

#include <memory>

#include "desktop/Services.h"

class ReferenceWindow;

// The Knowledge page: one button per reference window, with the two news links below
// them. A window is made when its button is first pressed and lives as long as the page.
class KnowledgePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWindowCount = 5;

    explicit KnowledgePage(const Services &services, QWidget *parent = nullptr);
    ~KnowledgePage() override;

private:
    std::unique_ptr<ReferenceWindow> m_windows[kWindowCount];
};
