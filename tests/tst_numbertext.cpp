// Numbers as the windows write them, under an English, a German and a Persian locale.
#include "NumberText.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void formats_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fixed2");
        QTest::addColumn<QString>("upTo2");
        QTest::addColumn<QString>("general");
        QTest::newRow("en: 2.30625") << "en_US" << 2.30625 << "2.31" << "2.31" << "2.30625";
        QTest::newRow("en: no grouping") << "en_US" << 12345.5 << "12345.50" << "12345.5" << "12345.5";
        QTest::newRow("en: whole number") << "en_US" << 1000.0 << "1000.00" << "1000" << "1000";
        QTest::newRow("de: comma") << "de_DE" << 12.5 << "12,50" << "12,5" << "12,5";
        QTest::newRow("de: no grouping") << "de_DE" << 1500.25 << "1500,25" << "1500,25" << "1500,25";
        QTest::newRow("fa: Latin digits and a point") << "fa_IR" << 3.456 << "3.46" << "3.46" << "3.456";
        QTest::newRow("en: tiny negative has no sign") << "en_US" << -0.001 << "0.00" << "0" << "-0.001";
        QTest::newRow("en: 0.##, one decimal kept") << "en_US" << 0.1 << "0.10" << "0.1" << "0.1";
        QTest::newRow("en: rounds up to the next whole") << "en_US" << 9.999 << "10.00" << "10" << "9.999";
        QTest::newRow("en: 15 significant digits") << "en_US" << 0.1 + 0.2 << "0.30" << "0.3" << "0.3";
        QTest::newRow("en: NaN is written as 0") << "en_US" << qQNaN() << "0.00" << "0" << "0";
        // clang-format on
    }
    void formats()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, fixed2);
        QFETCH(QString, upTo2);
        QFETCH(QString, general);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(formatFixed(value, 2), fixed2);
        QCOMPARE(formatUpTo(value, 2), upTo2);
        QCOMPARE(formatGeneral(value), general);
    }

    void separator_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("C") << "C" << ".";
        QTest::newRow("en_US") << "en_US" << ".";
        QTest::newRow("de_DE") << "de_DE" << ",";
        QTest::newRow("fr_FR") << "fr_FR" << ",";
        QTest::newRow("fa_IR uses the point") << "fa_IR" << ".";
        QTest::newRow("ar_EG uses the point") << "ar_EG" << ".";
        // clang-format on
    }
    void separator()
    {
        QFETCH(QString, locale);
        QFETCH(QString, separator);
        const QLocale saved;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(QString(userDecimalSeparator()), separator);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
