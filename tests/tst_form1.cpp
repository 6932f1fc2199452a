// The calculator window driven through its real controls: start-up state, class selection,
// typing filters, the conversion readout, flow sums, the three messages, the velocity advice,
// the pipe-range indicator, the window scale, stay-on-top and the chart feed.
#include "FilledShape.h"
#include "ModalMessages.h"
#include "NomogramLookup.h"
#include "Picture.h"
#include "PipeRange.h"
#include "Unit1.h"
#include "Unit1Layout.h"
#include "Unit1Texts.h"
#include "Unit2.h"
#include "Unit5.h"
#include "Win11Button.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

namespace {

using namespace Unit1Texts;

QLineEdit* edit(const char* name) { return formChild<QLineEdit>(name); }
QLabel* label(const char* name) { return formChild<QLabel>(name); }
TWin11Button* button(const char* name) { return formChild<TWin11Button>(name); }

void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

void chooseClass(int mode)
{
    if (mode == 1)
        click("BtnSmooth");
    else if (mode == 2)
        click("BtnSemiSmooth");
    else if (mode == 3)
        click("BtnRough");
}

// A calculation with the marker come to rest.
void calculate(int mode, const QString& pressure, const QString& flow)
{
    chooseClass(mode);
    edit("EditPressure")->setText(pressure);
    edit("EditFlow")->setText(flow);
    click("BtnCalculate");
    QTRY_VERIFY(!formChild<QTimer>("tmrAnim")->isActive());
}

QColor markerColour() { return formChild<TFilledShape>("shpHole")->FillColor(); }
int markerLeft() { return formChild<TFilledShape>("shpHole")->x(); }

// Class 1 at 4 psi/100 ft, between its 4th and 5th pipe: the flow at a given log ratio.
double flowAtRatio(double ratio)
{
    const TPipeSizeArray& pipes = Unit2::PipeSizes;
    const double low = std::log(flowAtPressure(pipes[3], 4.0));
    const double high = std::log(flowAtPressure(pipes[4], 4.0));
    return std::exp(low + ratio * (high - low));
}

// Passes a picture through and keeps the largest size it was asked to draw or to measure: an
// SVG drawing is rendered at the size it is measured at.
class TSizeRecordingEngine : public QIconEngine {
public:
    TSizeRecordingEngine(const QIcon& icon, QSize* largest)
        : FIcon(icon)
        , FLargest(largest)
    {
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        note(size);
        return FIcon.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        note(size);
        return FIcon.pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        note(size);
        return FIcon.pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        note(rect.size());
        FIcon.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    [[nodiscard]] QIconEngine* clone() const override { return new TSizeRecordingEngine(*this); }

private:
    void note(const QSize& size) { *FLargest = FLargest->expandedTo(size); }

    QIcon FIcon;
    QSize* FLargest;
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    // The corner picture at its layout size (49 px) under window scale times screen scale: the
    // picture must come out at the full pixel size, not scaled up from a smaller source, and
    // opaque at its centre. On Windows it is drawn from PNGs, so this also catches a size or
    // resource missing from the build.
    void pictureAtEveryScale_data()
    {
        // clang-format off
        QTest::addColumn<qreal>("pixelRatio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 % screen") << 1.5;
        QTest::newRow("300 % window on a 200 % screen") << 6.0;
        // clang-format on
    }

    void pictureAtEveryScale()
    {
        QFETCH(qreal, pixelRatio);
        auto* picture = formChild<TPicture>("Image1");
        QVERIFY(picture->HasPicture());
        QCOMPARE(picture->PictureRect(), QRectF(15, 0, 49, 49));
        const QPixmap pixmap = programPicture().pixmap(QSize(49, 49), pixelRatio);
        const int expectedPx = qRound(49 * pixelRatio);
        QCOMPARE(pixmap.size(), QSize(expectedPx, expectedPx));
        QCOMPARE(pixmap.toImage().pixelColor(expectedPx / 2, expectedPx / 2).alpha(), 255);
    }

#ifndef Q_OS_WIN
    // The drawing, read once for every size, renders exactly as Qt's own SVG icon does: the
    // window system's four icon sizes, the corner picture's, and a disabled one.
    void pictureDrawnAsQtDrawsTheDrawing_data()
    {
        // clang-format off
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QIcon::Mode>("mode");
        QTest::newRow("16 px window icon") << QSize(16, 16) << QIcon::Normal;
        QTest::newRow("128 px window icon") << QSize(128, 128) << QIcon::Normal;
        QTest::newRow("corner picture, 49 px") << QSize(49, 49) << QIcon::Normal;
        QTest::newRow("wider than tall") << QSize(90, 40) << QIcon::Normal;
        QTest::newRow("disabled, 32 px") << QSize(32, 32) << QIcon::Disabled;
        // clang-format on
    }

    void pictureDrawnAsQtDrawsTheDrawing()
    {
        QFETCH(QSize, size);
        QFETCH(QIcon::Mode, mode);
        const QIcon qtDrawing(QStringLiteral(":/keldaran/keldaran.svg"));
        QCOMPARE(programPicture().actualSize(size, mode), qtDrawing.actualSize(size, mode));
        const QImage ours = programPicture().pixmap(size, mode).toImage();
        QVERIFY(!ours.isNull());
        QCOMPARE(ours, qtDrawing.pixmap(size, mode).toImage());
    }
#endif

    // The picture is rendered at the size painted and never larger, not even to learn its
    // proportions: measured at 4096 pixels, the SVG drawing was a 64 MiB image at every start.
    void pictureRenderedNoLargerThanPainted()
    {
        QSize largest;
        TPicture picture(QIcon(new TSizeRecordingEngine(programPicture(), &largest)), programPictureSize());
        picture.resize(formChild<TPicture>("Image1")->size());
        QVERIFY(!picture.grab().isNull());
        QCOMPARE(picture.PictureRect(), QRectF(15, 0, 49, 49));
        QVERIFY(largest.isValid());
        QVERIFY2(largest.width() <= picture.width() && largest.height() <= picture.height(),
                 qPrintable(QStringLiteral("rendered at %1 x %2").arg(largest.width()).arg(largest.height())));
    }

    void startUpState()
    {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Keldaran (Galvanized)"));
        QCOMPARE(Form1->size(), QSize(331, 523));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!Form1->windowIcon().isNull());
        QCOMPARE(Form1->selectedMode(), 0);
        QCOMPARE(button("BtnSmooth")->Caption(), kCaptionSmooth.toString());
        QCOMPARE(button("BtnSmooth")->ColorNormal(), QColor(240, 240, 240));
        QCOMPARE(edit("EditPipe")->placeholderText(), QStringLiteral("EditPipe"));
        QVERIFY(edit("EditPipe")->isReadOnly());
        QCOMPARE(edit("EditPressure")->placeholderText(), QStringLiteral("Enter Pressure"));
        QCOMPARE(markerLeft(), 92);
        QCOMPARE(markerColour(), QColor(0, 255, 0));
        QVERIFY(label("lblPipeLow")->text().isEmpty());
        QVERIFY(formChild<QTextEdit>("ErrorVelocity")->toPlainText().isEmpty());
        auto* memo = formChild<QPlainTextEdit>("MemoWidget");
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        auto* notice = formChild<QTimer>("TimerInternet");
        QCOMPARE(notice->interval(), 3000);
        QVERIFY(!notice->isSingleShot());
        QVERIFY(!formChild<QCheckBox>("CheckBoxTop")->isChecked());
        QVERIFY(!Form5->isVisible());
    }

    void tabOrder()
    {
        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        edit("EditPressure")->setFocus();
        const QStringList order{"EditFlow",  "EditPipe",    "EditVelocity", "ErrorVelocity",
                                "EditScale", "CheckBoxTop", "MemoWidget",   "EditPressure"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void textsFitTheirControls()
    {
        // Every caption in its font against its control, and every control inside the window.
        for (const TLayoutEntry& entry : form1Layout()) {
            auto* control = Form1->findChild<QWidget*>(QString::fromLatin1(entry.Name));
            QVERIFY2(Form1->rect().contains(control->geometry()), entry.Name);
            QString text;
            if (auto* asLabel = qobject_cast<QLabel*>(control))
                text = asLabel->text();
            else if (auto* asButton = qobject_cast<TWin11Button*>(control))
                text = asButton->Caption();
            if (text.isEmpty())
                continue;
            const QFontMetrics metrics(control->font());
            QVERIFY2(metrics.horizontalAdvance(text) <= control->width(), entry.Name);
            QVERIFY2(metrics.height() <= control->height() + 6, entry.Name); // ink sits well inside the line
            if ((entry.Flags & kRightToLeft) != 0)
                QCOMPARE(control->x() + control->width(), entry.Left + entry.Width);
        }
        // The selected captions too, and the advice without scrolling.
        for (const QString& caption : {kCaptionSmoothSelected.toString(), kCaptionSemiSmoothSelected.toString()})
            QVERIFY(QFontMetrics(button("BtnSmooth")->font()).horizontalAdvance(caption) <= 97);
        calculate(1, "10", "150");
        QVERIFY(Form1->exactPointVelocity() > 10.0);
        QCOMPARE(formChild<QTextEdit>("ErrorVelocity")->verticalScrollBar()->maximum(), 0);
    }

    void classSelection_data()
    {
        // clang-format off
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("mode");
        QTest::newRow("class 1") << QList<int>{1} << 1;
        QTest::newRow("class 1 then 2") << QList<int>{1, 2} << 2;
        QTest::newRow("class 3 twice") << QList<int>{3, 3} << 3;
        QTest::newRow("2, 3, 1") << QList<int>{2, 3, 1} << 1;
        // clang-format on
    }
    void classSelection()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, mode);
        for (const int c : clicks)
            chooseClass(c);
        QCOMPARE(Form1->selectedMode(), mode);
        const std::array names{"BtnSmooth", "BtnSemiSmooth", "BtnRough"};
        const std::array plain{kCaptionSmooth, kCaptionSemiSmooth, kCaptionRough};
        const std::array chosen{kCaptionSmoothSelected, kCaptionSemiSmoothSelected, kCaptionRoughSelected};
        for (int i = 0; i < 3; ++i) {
            const bool selected = i + 1 == mode;
            QCOMPARE(button(names[i])->Caption(), (selected ? chosen[i] : plain[i]).toString());
            QCOMPARE(button(names[i])->ColorNormal(), selected ? QColor(255, 165, 0) : QColor(240, 240, 240));
        }
    }

    void selectingKeepsResults()
    {
        calculate(1, "4", "20");
        const QString velocity = edit("EditVelocity")->text();
        const QString pipe = edit("EditPipe")->text();
        chooseClass(3);
        QCOMPARE(edit("EditVelocity")->text(), velocity);
        QCOMPARE(edit("EditPipe")->text(), pipe);
    }

    void filters_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("flow: minus") << "EditFlow" << "-2" << "2";
        QTest::newRow("flow: letters") << "EditFlow" << "a1b" << "1";
        QTest::newRow("flow: blanks") << "EditFlow" << "2 + 3" << "2+3";
        QTest::newRow("flow: sum and separators") << "EditFlow" << "1,5+2.5" << "1,5+2.5";
        QTest::newRow("pressure: minus and letter") << "EditPressure" << "-x4" << "4";
        QTest::newRow("pressure: digits") << "EditPressure" << "12.5" << "12.5";
        // clang-format on
    }
    void filters()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit* target = edit(field.toLatin1().constData());
        QTest::keyClicks(target, typed);
        QCOMPARE(target->text(), shown);
        QTest::keyClick(target, Qt::Key_Backspace);
        QCOMPARE(target->text(), shown.chopped(1));
    }

    void ctrlVIsSwallowed()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("123"));
        for (const char* name : {"EditFlow", "EditPressure"}) {
            QTest::keyClick(edit(name), Qt::Key_V, Qt::ControlModifier);
            QVERIFY(edit(name)->text().isEmpty());
        }
    }

    void conversionReadout_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("readout");
        QTest::newRow("en: 2") << "en_US" << "2" << QStringLiteral(u"2.00 psi/100ft ⇒ 4.61 ft/100ft");
        QTest::newRow("en: 1,5 empties") << "en_US" << "1,5" << "";
        QTest::newRow("de: 1,5") << "de_DE" << "1,5" << QStringLiteral(u"1,50 psi/100ft ⇒ 3,46 ft/100ft");
        QTest::newRow("fa: 1.5 with a point") << "fa_IR" << "1.5" << QStringLiteral(u"1.50 psi/100ft ⇒ 3.46 ft/100ft");
        // clang-format on
    }
    void conversionReadout()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, readout);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); });
        QLocale::setDefault(QLocale(locale));
        QTest::keyClicks(edit("EditPressure"), typed);
        QCOMPARE(label("psitofoot")->text(), readout);
        if (!readout.isEmpty())
            QCOMPARE(label("psitofoot")->width(), QFontMetrics(label("psitofoot")->font()).horizontalAdvance(readout));
        edit("EditPressure")->clear();
        QVERIFY(label("psitofoot")->text().isEmpty());
    }

    void flowSums_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("2+3.5") << "en_US" << "2+3.5" << "" << "5.5";
        QTest::newRow("de: 2+3.5") << "de_DE" << "2+3.5" << "" << "5,5";
        QTest::newRow("fa: 2+3.5") << "fa_IR" << "2+3.5" << "" << "5.5";
        QTest::newRow("1,5+2") << "en_US" << "1,5+2" << "" << "3.5";
        QTest::newRow("single 1,5 kept") << "en_US" << "1,5" << "" << "1,5";
        QTest::newRow("2+") << "en_US" << "2+" << kMessageBadFlow.toString() << "2+";
        QTest::newRow("+2") << "en_US" << "+2" << kMessageBadFlow.toString() << "+2";
        QTest::newRow("2++3") << "en_US" << "2++3" << kMessageBadFlow.toString() << "2++3";
        QTest::newRow("empty") << "en_US" << "" << kMessageBadFlow.toString() << "";
        QTest::newRow("pasted nan") << "en_US" << "nan" << kMessageBadFlow.toString() << "nan";
        QTest::newRow("overflowing sum") << "en_US" << "1e308+1e308" << kMessageBadFlow.toString() << "1e308+1e308";
        // clang-format on
    }
    void flowSums()
    {
        QFETCH(QString, locale);
        QFETCH(QString, flow);
        QFETCH(QString, message);
        QFETCH(QString, fieldAfter);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); });
        QLocale::setDefault(QLocale(locale));
        TModalMessages messages;
        calculate(1, "4", flow);
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(edit("EditFlow")->text(), fieldAfter);
        if (!message.isEmpty())
            QCOMPARE(Form1->focusWidget(), edit("EditFlow"));
    }

    void messages_data()
    {
        // clang-format off
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("message");
        QTest::newRow("no class, bad numbers: class first") << 0 << "x" << "y" << kMessageNoClass.toString();
        QTest::newRow("bad pressure before bad flow") << 1 << "1,5" << "2+" << kMessageBadPressure.toString();
        QTest::newRow("pasted inf pressure") << 1 << "inf" << "10" << kMessageBadPressure.toString();
        QTest::newRow("grouped pressure") << 1 << "1,500" << "10" << kMessageBadPressure.toString();
        QTest::newRow("bad flow") << 2 << "4" << "2++3" << kMessageBadFlow.toString();
        // clang-format on
    }
    void messages()
    {
        QFETCH(int, mode);
        QFETCH(QString, pressure);
        QFETCH(QString, flow);
        QFETCH(QString, message);
        TModalMessages messages;
        calculate(mode, pressure, flow);
        QCOMPARE(messages.texts(), QStringList{message});
        const TSeenMessage& seen = messages.seen().first();
        QVERIFY(seen.RightToLeft);
        QCOMPARE(seen.Buttons, 1);
        QVERIFY(seen.Centred);
        QVERIFY(edit("EditVelocity")->text().isEmpty());
    }

    void velocityAdvice_data()
    {
        // clang-format off
        QTest::addColumn<double>("flowFactor");
        QTest::addColumn<bool>("advice");
        QTest::newRow("just below the 10 ft/s line") << 1.0 - 1e-6 << false;
        QTest::newRow("a hair above reads 10.00 in red") << 1.0 + 1e-6 << true;
        // clang-format on
    }
    void velocityAdvice()
    {
        QFETCH(double, flowFactor);
        QFETCH(bool, advice);
        const TPipeSize* tenLine = nullptr;
        for (const TPipeSize& line : Unit2::VelocityLines)
            if (line.Name == "10 ft/s")
                tenLine = &line;
        QVERIFY(tenLine != nullptr);
        const double pressure = 4.0;
        const double flow
            = Nomogram::calcYOnLogLine(pressure, tenLine->X1, tenLine->Y1, tenLine->X2, tenLine->Y2) * flowFactor;
        calculate(1, "4", QString::number(flow, 'g', 17));
        QCOMPARE(Form1->exactPointVelocity() > 10.0, advice);
        QCOMPARE(edit("EditVelocity")->text(), QStringLiteral("10.00"));
        const QColor textColour = edit("EditVelocity")->palette().color(QPalette::Text);
        QCOMPARE(textColour == QColor(255, 0, 0), advice);
        QCOMPARE(formChild<QTextEdit>("ErrorVelocity")->toPlainText(), advice ? kVelocityAdvice.toString() : QString());
        // A following calculation at a lower velocity takes both back.
        calculate(1, "4", "5");
        QVERIFY(formChild<QTextEdit>("ErrorVelocity")->toPlainText().isEmpty());
        QVERIFY(edit("EditVelocity")->palette().color(QPalette::Text) != QColor(255, 0, 0));
    }

    void pointOutsideChangesNothing()
    {
        calculate(1, "4", "20");
        const QStringList before{edit("EditVelocity")->text(), edit("EditPipe")->text(), label("lblPipeLow")->text(),
                                 label("HighVelocity")->text()};
        const int left = markerLeft();
        TModalMessages messages;
        calculate(1, "1000", "20");
        QVERIFY(messages.seen().isEmpty());
        QCOMPARE((QStringList{edit("EditVelocity")->text(), edit("EditPipe")->text(), label("lblPipeLow")->text(),
                              label("HighVelocity")->text()}),
                 before);
        QCOMPARE(markerLeft(), left);
    }

    void indicatorRest_data()
    {
        // clang-format off
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("high");
        QTest::newRow("ratio near 0") << 1e-6 << 44 << false;
        QTest::newRow("ratio 0.5") << 0.5 << 158 << false;
        QTest::newRow("ratio 0.524") << 0.524 << 163 << false;
        QTest::newRow("ratio 0.53") << 0.53 << 165 << true;
        QTest::newRow("ratio 1") << 1.0 << 272 << true;
        // clang-format on
    }
    void indicatorRest()
    {
        QFETCH(double, ratio);
        QFETCH(int, left);
        QFETCH(bool, high);
        const double flow = ratio == 1.0 ? flowAtPressure(Unit2::PipeSizes[4], 4.0) : flowAtRatio(ratio);
        calculate(1, "4", QString::number(flow, 'g', 17));
        QCOMPARE(markerLeft(), left);
        QCOMPARE(markerColour(), high ? QColor(0, 255, 255) : QColor(0, 255, 0));
        const std::string& expected = Unit2::PipeSizes[high ? 4 : 3].Name;
        QCOMPARE(edit("EditPipe")->text(), QString::fromStdString(expected));
        QCOMPARE(label("lblPipeLow")->text(), QString::fromStdString(Unit2::PipeSizes[3].Name));
        QCOMPARE(label("lblPipeHigh")->text(), QString::fromStdString(Unit2::PipeSizes[4].Name));
        QCOMPARE(label("lblPipeLow")->x() + label("lblPipeLow")->width(), 41);
        QVERIFY(label("HighVelocity")->text().endsWith(QStringLiteral(" psi/100ft")));
        QVERIFY(label("LowVelocity")->text().startsWith(QStringLiteral("V=")));
    }

    void smallestPipeRestsRightInAqua()
    {
        calculate(1, "4", "0.5");
        QCOMPARE(markerLeft(), 272);
        QCOMPARE(markerColour(), QColor(0, 255, 255));
        QCOMPARE(edit("EditPipe")->text(), QString::fromStdString(Unit2::PipeSizes.front().Name));
    }

    void secondCalculationWhileMoving()
    {
        chooseClass(1);
        edit("EditPressure")->setText("4");
        edit("EditFlow")->setText(QString::number(flowAtPressure(Unit2::PipeSizes[4], 4.0), 'g', 17));
        click("BtnCalculate");
        QTRY_VERIFY(markerLeft() > 120);
        QVERIFY(formChild<QTimer>("tmrAnim")->isActive());
        QVERIFY(edit("EditPipe")->text().isEmpty());
        edit("EditFlow")->setText(QString::number(flowAtRatio(1e-6), 'g', 17));
        click("BtnCalculate");
        QTRY_VERIFY(!formChild<QTimer>("tmrAnim")->isActive());
        QCOMPARE(markerLeft(), 44);
        QCOMPARE(edit("EditPipe")->text(), QString::fromStdString(Unit2::PipeSizes[3].Name));
    }

    void classShortcuts_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("button");
        QTest::newRow("Ctrl+1: class 1") << int(Qt::Key_1) << 1 << "BtnSmooth";
        QTest::newRow("Ctrl+2: class 2") << int(Qt::Key_2) << 2 << "BtnSemiSmooth";
        QTest::newRow("Ctrl+3: class 3") << int(Qt::Key_3) << 3 << "BtnRough";
        // clang-format on
    }
    void classShortcuts()
    {
        QFETCH(int, key);
        QFETCH(int, mode);
        QFETCH(QString, button);
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        edit("EditPressure")->setFocus();
        QTest::keyClick(edit("EditPressure"), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(Form1->selectedMode(), mode);
        QVERIFY(edit("EditPressure")->text().isEmpty());
        TWin11Button* chosen = formChild<TWin11Button>(button.toLatin1().constData());
        QCOMPARE(chosen->ColorNormal(), QColor(255, 165, 0));
        QVERIFY(chosen->toolTip().contains(QStringLiteral("Ctrl+%1").arg(mode)));
    }

    void enterCalculates_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::newRow("in the pressure field") << "EditPressure";
        QTest::newRow("in the flow field") << "EditFlow";
        // clang-format on
    }
    void enterCalculates()
    {
        QFETCH(QString, field);
        chooseClass(1);
        QTest::keyClicks(edit("EditPressure"), "4");
        QTest::keyClicks(edit("EditFlow"), "52.5");
        QLineEdit* target = edit(field.toLatin1().constData());
        const QString before = target->text();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(edit("EditVelocity")->text(), QStringLiteral("5.95"));
        QCOMPARE(target->text(), before);
    }

    // Ctrl+C copies the last calculation where nothing is selected, and the selection where
    // something is.
    void ctrlCCopiesTheResults()
    {
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); });
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        calculate(1, "4", "40+12,5");
        edit("EditFlow")->setFocus();
        QTest::keyClick(edit("EditFlow"), Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        const QStringList expected{
            QStringLiteral("نوع لوله: نسبتا\u064b صاف"),
            QStringLiteral("افت فشار: 4,00 psi/100ft"),
            QStringLiteral("دبی: 52,50 gpm"),
            QStringLiteral("سایز لوله: ") + Form1->selectedPipeSize().c_str(),
            QStringLiteral("سرعت: 5,95 ft/s"),
            QStringLiteral("سایزهای مجاور:"),
            label("lblPipeLow")->text() + QStringLiteral(": ")
                + label("HighVelocity")->text().replace(QStringLiteral("\r\n"), QStringLiteral(", ")),
            label("lblPipeHigh")->text() + QStringLiteral(": ")
                + label("LowVelocity")->text().replace(QStringLiteral("\r\n"), QStringLiteral(", ")),
            QString()};
        QCOMPARE(lines, expected);

        edit("EditFlow")->selectAll();
        QTest::keyClick(edit("EditFlow"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), edit("EditFlow")->text());
    }

    // The indicator writes the neighbour its marker rests nearer to from the pipes FindPipeRange
    // found: a search that finds none leaves them, one that finds others replaces them.
    void noRangeLeavesIndicator()
    {
        calculate(1, "4", "20");
        const QString pipe = edit("EditPipe")->text();
        QVERIFY(!pipe.isEmpty());
        QVERIFY(!Form1->FindPipeRange(Unit2::PipeSizes, 4.0, 1e9));
        Form1->ApplySnapAndColor();
        QCOMPARE(edit("EditPipe")->text(), pipe);
        QVERIFY(Form1->FindPipeRange(Unit2::PipeSizes, 4.0, 2000.0));
        Form1->ApplySnapAndColor();
        QVERIFY(edit("EditPipe")->text() != pipe);
    }

    void scale()
    {
        QLineEdit* field = edit("EditScale");
        const QPoint topLeft = Form1->pos();
        const auto enter = [field](const QString& text) {
            field->clear();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        };
        enter("150");
        QCOMPARE(field->text(), QStringLiteral("150%"));
        QCOMPARE(Form1->size(), QSize(497, 785));
        QCOMPARE(button("BtnCalculate")->geometry(), QRect(15, 248, 464, 44));
        QCOMPARE(formChild<TFilledShape>("shpBar")->geometry(), QRect(66, 395, 360, 11));
        QCOMPARE(Form1->pos(), topLeft);
        QTest::keyClick(field, Qt::Key_Return); // "150%" is no number
        QCOMPARE(field->text(), QStringLiteral("100%"));
        QCOMPARE(Form1->size(), QSize(497, 785));
        enter("150");
        QVERIFY(std::abs(Form1->width() - 745) <= 1); // 2.25 times, up to whole pixels
        enter("200");
        enter("50");
        QVERIFY(std::abs(Form1->width() - 745) <= 1);
        for (const char* bad : {"5", "500", "abc"}) {
            const QSize size = Form1->size();
            enter(bad);
            QCOMPARE(field->text(), QStringLiteral("100%"));
            QCOMPARE(Form1->size(), size);
        }
        const QSize size = Form1->size();
        enter("10");
        QCOMPARE(Form1->width(), qRound(size.width() * 0.1));
        enter("300");
        QCOMPARE(Form1->width(), qRound(qRound(size.width() * 0.1) * 3.0));
        QCOMPARE(Form1->pos(), topLeft);
    }

    void scaleFontsAndLeavingTheField()
    {
        QLineEdit* field = edit("EditScale");
        QTest::keyClicks(field, "200");
        edit("EditFlow")->setFocus(); // leaving applies nothing
        QCOMPARE(field->text(), QStringLiteral("200"));
        QCOMPARE(Form1->width(), 331);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(Form1->font().pixelSize(), 32);
        QCOMPARE(edit("EditPressure")->font().pixelSize(), 28);
    }

    void stayOnTop()
    {
        const QPoint topLeft = Form1->pos();
        auto* check = formChild<QCheckBox>("CheckBoxTop");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(check->isChecked());
        QVERIFY(Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(Form1->isVisible());
        QCOMPARE(Form1->pos(), topLeft);
        QTest::mouseClick(Form1, Qt::LeftButton, {}, QPoint(200, 500)); // the free area
        QVERIFY(Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTest::mouseClick(Form1, Qt::LeftButton, {}, QPoint(200, 500));
        QVERIFY(!Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(Form1->isVisible());
    }

    void chartBeforeAnyClass()
    {
        click("BtnShowChart");
        QVERIFY(Form5->isVisible());
        QVERIFY(!Form5->HasGraph());
        QVERIFY(!Form5->animationTimer().isActive());
        QVERIFY(Form5->PipeTypeTitle().isEmpty());
    }

    void chartAfterClassWithoutCalculation()
    {
        chooseClass(2);
        edit("EditPressure")->setText("4");
        edit("EditFlow")->setText("20");
        click("BtnShowChart");
        QVERIFY(Form5->isVisible());
        QVERIFY(Form5->HasGraph());
        QCOMPARE(Form5->PipeTypeTitle(), kCaptionSemiSmooth.toString());
        QTRY_VERIFY_WITH_TIMEOUT(!Form5->animationTimer().isActive(), 10000);
        QCOMPARE(Form5->currentFlowGpm(), 20.0);
        QCOMPARE(Form5->currentPressurePsiPer100ft(), 4.0);
    }

    void chartAfterEditingWithoutRecalculating()
    {
        calculate(1, "4", "20");
        const std::string pipe = Form1->selectedPipeSize();
        QVERIFY(!pipe.empty());
        edit("EditFlow")->setText("2+3"); // a sum is read as 0 until it is calculated
        edit("EditPressure")->setText("2");
        click("BtnShowChart");
        QTRY_VERIFY_WITH_TIMEOUT(!Form5->animationTimer().isActive(), 10000);
        QCOMPARE(Form5->currentFlowGpm(), 0.0);
        QCOMPARE(Form5->currentPressurePsiPer100ft(), 2.0);
        QCOMPARE(Form1->selectedPipeSize(), pipe);
        // While the chart is open every calculation feeds it.
        calculate(3, "4", "30");
        QCOMPARE(Form5->PipeTypeTitle(), kCaptionRough.toString());
        QTRY_VERIFY_WITH_TIMEOUT(!Form5->animationTimer().isActive(), 10000);
        QCOMPARE(Form5->currentFlowGpm(), 30.0);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
