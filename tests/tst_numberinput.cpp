// Reading typed numbers and filtering typed keys, under an English, a German and a Persian locale.
#include "KeyFilter.h"
#include "NumberInput.h"
#include "ReadoutText.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

class TestNumberInput : public QObject {
    Q_OBJECT

private slots:
    void pressure_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("en: 2") << "en_US" << "2" << true << 2.0;
        QTest::newRow("en: 1.5") << "en_US" << "1.5" << true << 1.5;
        QTest::newRow("en: 1,5 is not a number") << "en_US" << "1,5" << false << 0.0;
        QTest::newRow("en: 1,500 is no grouped number") << "en_US" << "1,500" << false << 0.0;
        QTest::newRow("de: 1,5") << "de_DE" << "1,5" << true << 1.5;
        QTest::newRow("de: 1.500 is no grouped number") << "de_DE" << "1.500" << false << 0.0;
        QTest::newRow("de: 1.5 is not a number") << "de_DE" << "1.5" << false << 0.0;
        QTest::newRow("C: 1,500 is no grouped number") << "C" << "1,500" << false << 0.0;
        QTest::newRow("fa: the point is the separator") << "fa_IR" << "1.5" << true << 1.5;
        QTest::newRow("fa: 12") << "fa_IR" << "12" << true << 12.0;
        QTest::newRow("fa: 1,5 is not a number") << "fa_IR" << "1,5" << false << 0.0;
        QTest::newRow("en: empty") << "en_US" << "" << false << 0.0;
        QTest::newRow("en: trailing junk") << "en_US" << "2x" << false << 0.0;
        QTest::newRow("en: leading junk") << "en_US" << "x2" << false << 0.0;
        QTest::newRow("en: sum is not a pressure") << "en_US" << "1+2" << false << 0.0;
        QTest::newRow("en: nan") << "en_US" << "nan" << false << 0.0;
        QTest::newRow("en: inf") << "en_US" << "inf" << false << 0.0;
        QTest::newRow("en: overflow") << "en_US" << "1e999" << false << 0.0;
        // clang-format on
    }
    void pressure()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        double parsed = -1.0;
        QCOMPARE(parsePressureText(text, parsed), ok);
        if (ok)
            QCOMPARE(parsed, value);
        else
            QCOMPARE(parsed, -1.0);
    }

    void flow_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("en: 2+3.5") << "en_US" << "2+3.5" << true << 5.5 << "5.5";
        QTest::newRow("de: 2+3.5 rewritten with a comma") << "de_DE" << "2+3.5" << true << 5.5 << "5,5";
        QTest::newRow("fa: 2+3.5 rewritten with a point") << "fa_IR" << "2+3.5" << true << 5.5 << "5.5";
        QTest::newRow("en: 1,5 alone is not rewritten") << "en_US" << "1,5" << true << 1.5 << "";
        QTest::newRow("de: 1.5 alone") << "de_DE" << "1.5" << true << 1.5 << "";
        QTest::newRow("en: 1,5+2") << "en_US" << "1,5+2" << true << 3.5 << "3.5";
        QTest::newRow("en: blanks around terms") << "en_US" << " 2 + 3 " << true << 5.0 << "5";
        QTest::newRow("en: 0.1+0.2 in 15 digits") << "en_US" << "0.1+0.2" << true << 0.1 + 0.2 << "0.3";
        QTest::newRow("en: a large sum has no sign in its exponent") << "en_US" << "1e20+1e20" << true << 2e20 << "2e20";
        QTest::newRow("de: a large sum with a comma") << "de_DE" << "1,5e20+1e20" << true << 2.5e20 << "2,5e20";
        QTest::newRow("en: a tiny sum") << "en_US" << "1e-20+1e-20" << true << 2e-20 << "2e-20";
        QTest::newRow("en: 2+") << "en_US" << "2+" << false << 0.0 << "";
        QTest::newRow("en: +2") << "en_US" << "+2" << false << 0.0 << "";
        QTest::newRow("en: 2++3") << "en_US" << "2++3" << false << 0.0 << "";
        QTest::newRow("en: empty") << "en_US" << "" << false << 0.0 << "";
        QTest::newRow("en: blanks only") << "en_US" << "   " << false << 0.0 << "";
        QTest::newRow("en: 1,000 is one under the comma reading") << "en_US" << "1,000" << true << 1.0 << "";
        QTest::newRow("en: 1.000,5 has two separators") << "en_US" << "1.000,5" << false << 0.0 << "";
        QTest::newRow("en: 1,,5") << "en_US" << "1,,5" << false << 0.0 << "";
        QTest::newRow("en: nan") << "en_US" << "nan" << false << 0.0 << "";
        QTest::newRow("en: 2+inf") << "en_US" << "2+inf" << false << 0.0 << "";
        QTest::newRow("en: sum that overflows") << "en_US" << "1e308+1e308" << false << 0.0 << "";
        QTest::newRow("en: letters") << "en_US" << "abc" << false << 0.0 << "";
        // clang-format on
    }
    void flow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        QFETCH(QString, rewritten);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        double flowGpm = -1.0;
        QString written = QStringLiteral("untouched");
        QCOMPARE(parseFlowText(text, flowGpm, written), ok);
        if (ok) {
            QCOMPARE(flowGpm, value);
            QCOMPARE(written, rewritten);
            if (!written.isEmpty()) {
                // What the field is given back must calculate again as the same flow.
                double again = -1.0;
                QString twice;
                QVERIFY(parseFlowText(written, again, twice));
                QCOMPARE(again, value);
                QVERIFY(twice.isEmpty());
            }
        } else {
            QCOMPARE(flowGpm, -1.0);
            QCOMPARE(written, QStringLiteral("untouched"));
        }
    }

    void readout_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readout");
        QTest::newRow("en: 2") << "en_US" << "2" << QStringLiteral(u"2.00 psi/100ft ⇒ 4.61 ft/100ft");
        QTest::newRow("en: 1,5 is empty") << "en_US" << "1,5" << "";
        QTest::newRow("de: 1,5") << "de_DE" << "1,5" << QStringLiteral(u"1,50 psi/100ft ⇒ 3,46 ft/100ft");
        QTest::newRow("de: 1500 has no grouping") << "de_DE" << "1500" << QStringLiteral(u"1500,00 psi/100ft ⇒ 3459,38 ft/100ft");
        QTest::newRow("fa: 1.5 with Latin digits") << "fa_IR" << "1.5" << QStringLiteral(u"1.50 psi/100ft ⇒ 3.46 ft/100ft");
        QTest::newRow("en: empty") << "en_US" << "" << "";
        // clang-format on
    }
    void readout()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, readout);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(pressureReadoutText(text), readout);
    }

    void neighbourReadout()
    {
        QCOMPARE(neighbourReadoutText(3.456, 12.5), QStringLiteral(u"V=3.46 ft/s\r\nΔP=12.50 psi/100ft"));
    }

    void keys_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("digit 7") << int(Qt::Key_7) << 0 << "7" << true;
        QTest::newRow("plus") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "+" << true;
        QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << "," << true;
        QTest::newRow("point") << int(Qt::Key_Period) << 0 << "." << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << true;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << false;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << false;
        QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << false;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << false;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << false;
        QTest::newRow("Ctrl+V without text") << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << false;
        QTest::newRow("Persian digit") << int(Qt::Key_unknown) << 0 << QStringLiteral(u"۲") << false;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "" << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << true;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << true;
        // clang-format on
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QCOMPARE(numberFieldTakesKey(key, Qt::KeyboardModifiers(modifiers), text), taken);
    }

    void scalePercent_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("percent");
        QTest::newRow("150") << "150" << 150;
        QTest::newRow("lower bound 10") << "10" << 10;
        QTest::newRow("upper bound 300") << "300" << 300;
        QTest::newRow("9 too small") << "9" << 100;
        QTest::newRow("301 too large") << "301" << 100;
        QTest::newRow("150% is no number") << "150%" << 100;
        QTest::newRow("12.5 is not whole") << "12.5" << 100;
        QTest::newRow("abc") << "abc" << 100;
        QTest::newRow("empty") << "" << 100;
        // clang-format on
    }
    void scalePercent()
    {
        QFETCH(QString, text);
        QFETCH(int, percent);
        QCOMPARE(scalePercentFromText(text), percent);
    }
};

QTEST_GUILESS_MAIN(TestNumberInput)
#include "tst_numberinput.moc"
