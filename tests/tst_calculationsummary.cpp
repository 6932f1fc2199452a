// The last calculation as plain text for a report.
#include "CalculationSummary.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(TCalculationSummary)

class TestCalculationSummary : public QObject {
    Q_OBJECT

private slots:
    void text_data()
    {
        // clang-format off
        QTest::addColumn<TCalculationSummary>("summary");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("lines");
        const TCalculationSummary fast { QStringLiteral(" ناصاف"), 12.5, 2000.0, QStringLiteral("6\""), 12.345,
            QStringLiteral(" advice "), true, { QStringLiteral("5\""), 18.2, 31.0 },
            { QStringLiteral("6\""), 11.0, 12.456 } };
        QTest::newRow("advice and neighbours, German comma")
            << fast << "de_DE"
            << QStringList { QStringLiteral("نوع لوله: ناصاف"), QStringLiteral("افت فشار: 12,50 psi/100ft"),
                   QStringLiteral("دبی: 2000,00 gpm"), QStringLiteral("سایز لوله: 6\""),
                   QStringLiteral("سرعت: 12,35 ft/s"), QStringLiteral("advice"), QStringLiteral("سایزهای مجاور:"),
                   QStringLiteral(u"5\": V=18,20 ft/s, ΔP=31,00 psi/100ft"),
                   QStringLiteral(u"6\": V=11,00 ft/s, ΔP=12,46 psi/100ft"), QString() };
        TCalculationSummary slow { QStringLiteral("ناصاف"), 4.0, 52.5, QStringLiteral("2 1/2\""), 5.34, {}, false, {},
            {} };
        QTest::newRow("Persian locale, no advice, no neighbours")
            << slow << "fa_IR"
            << QStringList { QStringLiteral("نوع لوله: ناصاف"), QStringLiteral("افت فشار: 4.00 psi/100ft"),
                   QStringLiteral("دبی: 52.50 gpm"), QStringLiteral("سایز لوله: 2 1/2\""),
                   QStringLiteral("سرعت: 5.34 ft/s"), QString() };
        // clang-format on
    }
    void text()
    {
        QFETCH(TCalculationSummary, summary);
        QFETCH(QString, locale);
        QFETCH(QStringList, lines);
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        const QString text = calculationSummaryText(summary);
        QLocale::setDefault(saved);
        QCOMPARE(text.split(QStringLiteral("\r\n")), lines);
    }
};

QTEST_GUILESS_MAIN(TestCalculationSummary)
#include "tst_calculationsummary.moc"
