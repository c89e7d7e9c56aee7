#pragma once

#include <QWidget>

#include <functional>

#include "desktop/Services.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class RiddleStore;

// "Мои загадки": the player's riddles in a table, edited in place, with deleting,
// importing a shared list and exporting one's own.
class MyRiddlesWindow : public QWidget {
    Q_OBJECT
public:
    // Asks the player for a file to read (import) or to write (export); empty when cancelled.
    using FileChooser = std::function<QString(QWidget *parent)>;

    MyRiddlesWindow(RiddleStore *store, const Services &services, QWidget *parent = nullptr);

    // Tests answer the file dialogs themselves.
    void setFileChoosers(FileChooser importFile, FileChooser exportFile);

public slots:
    void removeSelected();
    void importList();
    void exportList();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void cellEdited(QTableWidgetItem *item);
    // Tells the player what became of a change that did not simply go into the file.
    void tell(const QString &outcomeText);
    QString fileName() const;

    RiddleStore *m_store;
    Services m_services;
    FileChooser m_chooseImport;
    FileChooser m_chooseExport;
    QLabel *m_problem;
    QTableWidget *m_table;
    QPushButton *m_remove;
};
