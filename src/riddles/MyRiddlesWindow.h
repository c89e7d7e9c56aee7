#pragma once

#include <QWidget>

#include <functional>

#include "desktop/Services.h"
#include "riddles/RiddleStore.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class PlayerRiddlesFilter;
class PlayerRiddlesModel;

// "Мои загадки": the player's riddles in a table, edited in place, found by a filter, with
// deleting, importing a shared list and exporting one's own.
class MyRiddlesWindow : public QWidget {
    Q_OBJECT
public:
    // Asks the player for a file to read (import) or to write (export), starting at
    // `start` (a folder, or a file name to propose); empty when cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &start)>;

    MyRiddlesWindow(RiddleStore *store, const Services &services, QWidget *parent = nullptr);

    // Tests answer the file dialogs themselves.
    void setFileChoosers(FileChooser importFile, FileChooser exportFile);

public slots:
    void removeSelected();
    void importList();
    void exportList();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void refresh();
    void showCount();
    void editNotWritten(const RiddleStore::Outcome &outcome);
    // Tells the player what became of a change that did not simply go into the file.
    void tell(const QString &outcomeText);
    QString fileName() const;
    // The folder the file dialogs start in: the home folder, then the one last used.
    void rememberFolderOf(const QString &path);

    RiddleStore *m_store;
    Services m_services;
    FileChooser m_chooseImport;
    FileChooser m_chooseExport;
    QString m_folder;
    PlayerRiddlesModel *m_model;
    PlayerRiddlesFilter *m_filtered;
    QLabel *m_problem;
    QLineEdit *m_filter;
    QLabel *m_count;
    QTableView *m_table;
    QPushButton *m_remove;
};
