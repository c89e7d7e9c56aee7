#include "shell/QtTranslations.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

namespace {
// The texts among `texts` that hold a Latin letter: English left untranslated.
QStringList english(const QStringList &texts)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    QStringList found;
    for (const QString &text : texts)
        if (text.contains(latin))
            found << text;
    return found;
}

// A menu item's caption without its mnemonic and the shortcut shown after the tab.
QString caption(const QAction *action)
{
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fieldMenuIsRussian();
    void fileDialogIsRussian();
    void messageBoxButtonsAreRussian();
};

void TestTranslations::initTestCase()
{
    // The system's language must not matter.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    bool present = false;
    for (const QString &folder : QtTranslations::folders())
        present = present || QFile::exists(folder + QStringLiteral("/qtbase_ru.qm"));
    if (!present)
        QSKIP("Qt's Russian translations are not installed here; Kelo's texts stay, Qt's are English");
    QVERIFY(QtTranslations::install(*qApp));
}

void TestTranslations::fieldMenuIsRussian()
{
    QLineEdit field(QStringLiteral("Загадка"));
    field.selectAll();
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList captions;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            captions << caption(action);
    // Undo, Redo, Cut, Copy, Paste, Delete, Select All.
    QCOMPARE(captions.size(), 7);
    QVERIFY2(english(captions).isEmpty(), qPrintable(english(captions).join(QStringLiteral(", "))));
    QVERIFY(captions.contains(QStringLiteral("Копировать")));
}

void TestTranslations::fileDialogIsRussian()
{
    const QTemporaryDir folder;
    QFileDialog dialog(nullptr, QStringLiteral("Импорт загадок"), folder.path(),
                       QStringLiteral("Списки загадок (*.tsv *.txt);;Все файлы (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.show();
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        texts << button->text() << button->toolTip();
    for (const QWidget *widget : dialog.findChildren<QWidget *>())
        texts << widget->toolTip() << widget->accessibleName();
    for (const QHeaderView *header : dialog.findChildren<QHeaderView *>())
        for (int section = 0; section < header->count(); ++section)
            texts << header->model()->headerData(section, header->orientation()).toString();
    texts.removeAll(QString());
    // Look in, File name, Files of type, Open, Cancel, Back, Detail View, Create New Folder...
    QVERIFY(texts.size() >= 8);
    QVERIFY2(english(texts).isEmpty(), qPrintable(english(texts).join(QStringLiteral(", "))));
    dialog.hide();
}

void TestTranslations::messageBoxButtonsAreRussian()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kelo"), QStringLiteral("Можно идти!"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QStringList texts;
    for (const QAbstractButton *button : box.findChild<QDialogButtonBox *>()->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    QCOMPARE(texts.size(), 4);
    // Russian keeps "OK" as it is, as the riddle bar's own button does.
    QVERIFY(texts.removeOne(QStringLiteral("OK")));
    QVERIFY2(english(texts).isEmpty(), qPrintable(english(texts).join(QStringLiteral(", "))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
