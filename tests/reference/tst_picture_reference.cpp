#include "common/TestSupport.h"
#include "reference/LeatherworkingWindow.h"
#include "reference/SpellcastingWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// A picture of a table has ink on it: plenty of dark pixels, not one flat colour.
int darkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 100)
                ++dark;
    return dark;
}

QPushButton *button(QWidget *window, const char *name)
{
    auto *found = window->findChild<QPushButton *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no button %s", name);
    return found;
}

QImage shown(QWidget *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->pixmap().toImage() : QImage();
}

} // namespace

class TestPictureReference : public QObject {
    Q_OBJECT
private slots:
    void recipePicturesDecodeAtTheirSizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (int i = 1; i <= 3; ++i)
            QTest::newRow(qPrintable(QStringLiteral("koja-%1").arg(i)))
                << QStringLiteral(":/reference/koja-%1.jpg").arg(i) << QSize(560, 464);
        const QSize spell[] = {{564, 447}, {559, 615}, {559, 300}, {557, 607}, {556, 279}};
        for (int i = 1; i <= 5; ++i)
            QTest::newRow(qPrintable(QStringLiteral("zakl-%1").arg(i)))
                << QStringLiteral(":/reference/zakl-%1.jpg").arg(i) << spell[i - 1];
    }
    void recipePicturesDecodeAtTheirSizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path); // through Qt's JPEG plugin
        QCOMPARE(image.size(), size);
        QVERIFY(darkPixels(image) > 500);
    }

    void ingredientPicturesAreSmallAndDrawn()
    {
        for (int i = 0; i < 9; ++i) {
            const QImage image(QStringLiteral(":/reference/alchemy-ing-%1.png").arg(i));
            QCOMPARE(image.size(), QSize(40, 32));
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(opaque > 100, qPrintable(QStringLiteral("picture %1").arg(i)));
            QVERIFY2(qAlpha(image.pixel(0, 0)) == 0, qPrintable(QStringLiteral("picture %1").arg(i)));
        }
    }

    void leatherworkingLayout()
    {
        LeatherworkingWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Кожевничество"));
        QCOMPARE(window.size(), QSize(698 - 8, 513 - 34));
        QCOMPARE(window.pos(), QPoint(256, 169));
        QCOMPARE(button(&window, "Button1")->text(), QStringLiteral("Заплатки 1-го уровня"));
        QCOMPARE(button(&window, "Button2")->text(), QStringLiteral("Заплатки 2-го уровня"));
        QCOMPARE(button(&window, "Button3")->text(), QStringLiteral("Заплатки 3-го уровня"));
        QCOMPARE(button(&window, "Button1")->size(), QSize(105, 49));
        QCOMPARE(button(&window, "BitBtn1")->text(), QStringLiteral("Закрыть"));
        QCOMPARE(button(&window, "BitBtn1")->size(), QSize(89, 33));
        // Pictures are decoded when first shown: none while the window is hidden.
        for (int i = 1; i <= 3; ++i)
            QVERIFY(requireChild<QLabel>(&window, QStringLiteral("Image%1").arg(i))->pixmap().isNull());
        window.show();
        for (int i = 1; i <= 3; ++i) {
            QTest::mouseClick(button(&window, qPrintable(QStringLiteral("Button%1").arg(i))), Qt::LeftButton);
            auto *image = window.findChild<QLabel *>(QStringLiteral("Image%1").arg(i));
            QVERIFY(image);
            QCOMPARE(image->geometry(), QRect(8, 8, 560, 464));
            QCOMPARE(image->pixmap().size(), QSize(560, 464));
        }
        // Three different tables.
        QVERIFY(shown(&window, QStringLiteral("Image1")) != shown(&window, QStringLiteral("Image2")));
        QVERIFY(shown(&window, QStringLiteral("Image2")) != shown(&window, QStringLiteral("Image3")));
    }

    void leatherworkingShowsOnePictureAtATime()
    {
        LeatherworkingWindow window;
        window.show();
        QCOMPARE(window.shownPicture(), 0);
        auto visible = [&] {
            QList<bool> flags;
            for (int i = 1; i <= 3; ++i)
                flags << requireChild<QLabel>(&window, QStringLiteral("Image%1").arg(i))->isVisible();
            return flags;
        };
        QCOMPARE(visible(), (QList<bool>{true, false, false}));
        QTest::mouseClick(button(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(visible(), (QList<bool>{false, true, false}));
        QTest::mouseClick(button(&window, "Button3"), Qt::LeftButton);
        QTest::mouseClick(button(&window, "Button3"), Qt::LeftButton);
        QCOMPARE(visible(), (QList<bool>{false, false, true}));
        QTest::mouseClick(button(&window, "Button1"), Qt::LeftButton);
        QCOMPARE(visible(), (QList<bool>{true, false, false}));
    }

    void leatherworkingKeepsItsPictureWhenClosed()
    {
        LeatherworkingWindow window;
        window.showOrRaise();
        QTest::mouseClick(button(&window, "Button3"), Qt::LeftButton);
        QTest::mouseClick(button(&window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.showOrRaise();
        QVERIFY(window.isVisible());
        QCOMPARE(window.shownPicture(), 2);
        QVERIFY(requireChild<QLabel>(&window, QStringLiteral("Image3"))->isVisible());
    }

    void escapeClosesLeatherworking()
    {
        LeatherworkingWindow window;
        window.showOrRaise();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(button(&window, "Button2"), Qt::LeftButton);
        QTest::keyClick(button(&window, "Button2"), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        window.showOrRaise();
        QCOMPARE(window.shownPicture(), 1);
    }

    void spellcastingLayout()
    {
        SpellcastingWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Заклинательство"));
        QCOMPARE(window.pos(), QPoint(224, 155));
        QCOMPARE(window.width(), 748 - 8);
        const char *captions[] = {"Кольца 5-7 уровень", "9 ур. - амулеты, сапоги ", "9 ур. - шлемы",
                                  "11 ур. - амулеты, сапоги", "11 ур. - шлемы"};
        for (int k = 0; k < 5; ++k) {
            QPushButton *b = button(&window, qPrintable(QStringLiteral("Button%1").arg(k + 1)));
            QCOMPARE(b->text(), QString::fromUtf8(captions[k]));
            QCOMPARE(b->size(), QSize(139, 25));
        }
        QCOMPARE(button(&window, "BitBtn1")->size(), QSize(83, 33));
        // The window starts as its first button leaves it; before it is framed, a frame of
        // 34 pixels would leave less than the picture, which shows whole all the same.
        QCOMPARE(window.height(), 447);
        QVERIFY(shown(&window, QStringLiteral("Image1")).isNull()); // decoded when first shown
        window.show();
        QCOMPARE(shown(&window, QStringLiteral("Image1")).size(), QSize(564, 447));
        QCOMPARE(window.frameGeometry().height(), 477); // by the real frame once it is known
    }

    void spellcastingButtonsSetPictureAndHeight()
    {
        SpellcastingWindow window;
        window.show();
        auto *display = window.findChild<QLabel *>(QStringLiteral("Image1"));
        QVERIFY(display);
        const int heights[] = {477, 645, 330, 637, 309};
        const QSize sizes[] = {{564, 447}, {559, 615}, {559, 300}, {557, 607}, {556, 279}};
        // Each order, so that a height that stayed from the button before cannot pass.
        for (int k : {2, 1, 4, 3, 0, 4}) {
            QTest::mouseClick(button(&window, qPrintable(QStringLiteral("Button%1").arg(k + 1))),
                              Qt::LeftButton);
            QCOMPARE(window.frameGeometry().height(), heights[k]);
            QCOMPARE(window.width(), 740);
            QCOMPARE(display->pixmap().size(), sizes[k]);
            QCOMPARE(display->pixmap().toImage(), window.storedPicture(k).toImage());
            // Docked left: as high as the client area, never stretched.
            QCOMPARE(display->geometry(), QRect(0, 0, 577, window.height()));
            QVERIFY(!display->hasScaledContents());
        }
    }

    void spellcastingHeightAfterManualResize()
    {
        SpellcastingWindow window;
        window.show();
        window.resize(900, 200);
        QCOMPARE(requireChild<QLabel>(&window, QStringLiteral("Image1"))->height(), 200);
        QTest::mouseClick(button(&window, "Button3"), Qt::LeftButton);
        QCOMPARE(window.width(), 900);
        QCOMPARE(window.frameGeometry().height(), 330);
        window.resize(700, 800);
        QTest::mouseClick(button(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(window.width(), 700);
        QCOMPARE(window.frameGeometry().height(), 645);
        // The same button again after another resize sets the height again.
        window.resize(700, 300);
        QTest::mouseClick(button(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(window.frameGeometry().height(), 645);
    }

    void spellcastingReopenOnlyRaises()
    {
        SpellcastingWindow window;
        window.showOrRaise();
        QTest::mouseClick(button(&window, "Button5"), Qt::LeftButton);
        window.resize(760, 290);
        window.showOrRaise(); // already open: nothing is reset
        QVERIFY(window.isVisible());
        QCOMPARE(window.size(), QSize(760, 290));
        QTest::mouseClick(button(&window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        window.showOrRaise();
        QCOMPARE(requireChild<QLabel>(&window, QStringLiteral("Image1"))->pixmap().size(), QSize(556, 279));
    }
};

QTEST_MAIN(TestPictureReference)
#include "tst_picture_reference.moc"
