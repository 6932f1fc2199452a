// The flat button driven with real mouse events: click rules, looks and caption drawing.
#include "Win11Button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
const QColor kNormal(240, 240, 240);
const QColor kHover(229, 229, 229);
const QColor kPressed(218, 218, 218);
const QPoint kInside(60, 20);
const QPoint kOutside(300, 120);

// A pixel inside the rounded shape but clear of the caption.
QColor fillOf(TWin11Button& button) { return button.grab().toImage().pixelColor(6, button.height() / 2); }

QString lookOf(TWin11Button& button)
{
    const QColor fill = fillOf(button);
    if (fill == kNormal)
        return QStringLiteral("normal");
    if (fill == kHover)
        return QStringLiteral("hover");
    if (fill == kPressed)
        return QStringLiteral("pressed");
    return fill.name();
}

bool isInk(const QColor& c) { return c.lightness() < 128; }
} // namespace

class TestWin11Button : public QObject {
    Q_OBJECT

private slots:
    void createdInCode()
    {
        TWin11Button button;
        QCOMPARE(button.size(), QSize(120, 40));
        QCOMPARE(button.Caption(), QStringLiteral("Button"));
        QCOMPARE(button.ColorNormal(), kNormal);
        QCOMPARE(button.ColorHover(), kHover);
        QCOMPARE(button.ColorPressed(), kPressed);
        QCOMPARE(button.FontColor(), QColor(0, 0, 0));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QVERIFY(button.testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(lookOf(button), QStringLiteral("normal"));
    }

    // Each step is one event; "=look" checks the look at that point of the sequence.
    // Press/release: p or r, then L, R or M; "rLout" releases outside; "dL" the second press of
    // a double-click, as the platform delivers it (press, release, double-click, release).
    void clickRules_data()
    {
        // clang-format off
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("clicks");
        QTest::newRow("press and release over it: one click, then hover") << "enter =hover pL =pressed rL =hover" << 1;
        QTest::newRow("drag out while held: pressed until the release, then normal")
            << "enter pL leave =pressed rLout =normal" << 1;
        QTest::newRow("release outside without a leave still clicks") << "enter pL rLout =hover" << 1;
        QTest::newRow("right click: no pressed look, no click") << "enter pR =hover rR =hover" << 0;
        QTest::newRow("middle click: nothing") << "enter pM =hover rM =hover" << 0;
        QTest::newRow("right release while left held clicks, left release does not")
            << "enter pL pR =pressed rR =hover rL =hover" << 1;
        QTest::newRow("right release ends a dragged-out press, leave waits for the left release")
            << "enter pL leave pR rR =hover rL =normal" << 1;
        QTest::newRow("double-click: two clicks") << "enter pL rL dL =pressed rL =hover" << 2;
        QTest::newRow("leave without a press") << "enter leave =normal" << 0;
        QTest::newRow("back inside before the release keeps hover") << "enter pL leave enter rL =hover" << 1;
        QTest::newRow("release with no press: nothing") << "enter rL =hover" << 0;
        // clang-format on
    }
    void clickRules()
    {
        QFETCH(QString, steps);
        QFETCH(int, clicks);
        QWidget window;
        window.resize(400, 200);
        auto* button = new TWin11Button(&window);
        button->setCaption(QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spy(button, &TWin11Button::clicked);

        const auto buttonOf
            = [](QChar c) { return c == u'L' ? Qt::LeftButton : (c == u'R' ? Qt::RightButton : Qt::MiddleButton); };
        for (const QString& step : steps.split(u' ')) {
            if (step.startsWith(u'=')) {
                QCOMPARE(lookOf(*button), step.mid(1));
            } else if (step == u"enter") {
                QEnterEvent enter(kInside, button->mapTo(&window, kInside), button->mapToGlobal(kInside));
                QApplication::sendEvent(button, &enter);
            } else if (step == u"leave") {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(button, &leave);
            } else if (step == u"rLout") {
                QTest::mouseRelease(button, Qt::LeftButton, {}, kOutside);
            } else if (step == u"dL") {
                QTest::mouseDClick(button, Qt::LeftButton, {}, kInside);
            } else if (step.startsWith(u'p')) {
                QTest::mousePress(button, buttonOf(step.at(1)), {}, kInside);
            } else if (step.startsWith(u'r')) {
                QTest::mouseRelease(button, buttonOf(step.at(1)), {}, kInside);
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            }
        }
        QCOMPARE(spy.count(), clicks);
    }

    void settersWaitForTheOwnersRepaint()
    {
        QWidget window;
        window.resize(200, 100);
        auto* button = new TWin11Button(&window);
        button->setCaption(QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto onScreen = [&] {
            const QPoint at = button->mapTo(&window, QPoint(6, 20));
            return window.screen()->grabWindow(window.winId()).toImage().pixelColor(at);
        };
        QTest::qWait(50);
        // Whether the platform's pointer rests on the button or not, the look shown is one of
        // the two that are changed here.
        const QColor before = onScreen();
        QVERIFY(before == kNormal || before == kHover);
        const QColor blue(0, 120, 215);
        button->setColorNormal(blue);
        button->setColorHover(blue);
        QCoreApplication::processEvents();
        QCOMPARE(onScreen(), before);
        button->repaint();
        QCOMPARE(onScreen(), blue);
    }

    void customColours_data()
    {
        // clang-format off
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("normal") << "" << QColor(10, 20, 30);
        QTest::newRow("hover") << "enter" << QColor(40, 50, 60);
        QTest::newRow("pressed") << "enter press" << QColor(70, 80, 90);
        // clang-format on
    }
    void customColours()
    {
        QFETCH(QString, steps);
        QFETCH(QColor, fill);
        TWin11Button button;
        button.setCaption(QString());
        button.setColorNormal(QColor(10, 20, 30));
        button.setColorHover(QColor(40, 50, 60));
        button.setColorPressed(QColor(70, 80, 90));
        if (steps.contains(u"enter")) {
            QEnterEvent enter(kInside, kInside, kInside);
            QApplication::sendEvent(&button, &enter);
        }
        if (steps.contains(u"press"))
            QTest::mousePress(&button, Qt::LeftButton, {}, kInside);
        QCOMPARE(fillOf(button), fill);
    }

    void captionInFontColour()
    {
        TWin11Button button;
        button.setFontColor(QColor(255, 0, 0));
        button.setCaption(QStringLiteral("WWWW"));
        const QImage image = button.grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.red() - c.green() > 100 && c.green() == c.blue())
                    ++red;
        QVERIFY2(red > 10, "the caption is drawn in FontColor");
    }

    // A caption wider than the control: one line, cut at both edges, no ellipsis.
    void longCaptionIsClippedNotWrapped()
    {
        TWin11Button button;
        button.setCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
        const QImage image = button.grab().toImage();
        bool inkAtLeft = false;
        bool inkAtRight = false;
        bool inkAtTopOrBottom = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!isInk(image.pixelColor(x, y)))
                    continue;
                if (y < 8 || y >= image.height() - 8)
                    inkAtTopOrBottom = true;
                if (x < 3)
                    inkAtLeft = true;
                if (x >= image.width() - 3)
                    inkAtRight = true;
            }
        }
        QVERIFY(inkAtLeft);
        QVERIFY(inkAtRight);
        QVERIFY2(!inkAtTopOrBottom, "a second line would reach the top or bottom band");
    }

    void ampersands_data()
    {
        // clang-format off
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("drawnAs");
        QTest::addColumn<bool>("underlined");
        QTest::newRow("two ampersands draw one") << "A&&B"
                                                 << "A&B" << false;
        QTest::newRow("one ampersand underlines the next letter") << "&Save"
                                                                  << "Save" << true;
        QTest::newRow("no ampersand") << "Save"
                                      << "Save" << false;
        // clang-format on
    }
    void ampersands()
    {
        QFETCH(QString, caption);
        QFETCH(QString, drawnAs);
        QFETCH(bool, underlined);
        TWin11Button button;
        button.setCaption(caption);
        const QImage drawn = button.grab().toImage();

        // The same button with the caption's visible text and no ampersand processing.
        TWin11Button plain;
        plain.setCaption(QString());
        QImage expected = plain.grab().toImage();
        {
            QPainter painter(&expected);
            painter.setFont(plain.font());
            painter.setPen(Qt::black);
            painter.drawText(QRect(QPoint(0, 0), plain.size()), Qt::AlignCenter | Qt::TextSingleLine, drawnAs);
        }
        QCOMPARE(drawn == expected, !underlined);
    }
};

QTEST_MAIN(TestWin11Button)
#include "tst_win11button.moc"
