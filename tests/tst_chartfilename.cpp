// The file name that saving the chart suggests.
#include "ChartFileName.h"

#include <QLocale>
#include <QTest>

class TestChartFileName : public QObject {
    Q_OBJECT

private slots:
    void name_data()
    {
        // clang-format off
        QTest::addColumn<QString>("classTitle");
        QTest::addColumn<bool>("hasPoint");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("class and point") << QStringLiteral("نسبتاً صاف") << true << "en_US"
                                         << QStringLiteral("نسبتاً صاف - 52.5 gpm - 4 psi per 100 ft");
        QTest::newRow("German comma") << QStringLiteral("ناصاف") << true << "de_DE"
                                      << QStringLiteral("ناصاف - 52,5 gpm - 4 psi per 100 ft");
        QTest::newRow("before a point is shown")
            << QStringLiteral("ناصاف") << false << "en_US" << QStringLiteral("ناصاف");
        QTest::newRow("no class") << "" << true << "en_US"
                                  << "Keldaran chart - 52.5 gpm - 4 psi per 100 ft";
        QTest::newRow("refused characters left out") << "a/b:c?*\"<>|\\ ." << false << "en_US"
                                                     << "abc";
        // clang-format on
    }
    void name()
    {
        QFETCH(QString, classTitle);
        QFETCH(bool, hasPoint);
        QFETCH(QString, locale);
        QFETCH(QString, name);
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        const QString suggested = suggestedChartFileName(classTitle, hasPoint, 52.5, 4.0);
        QLocale::setDefault(saved);
        QCOMPARE(suggested, name);
    }
};

QTEST_GUILESS_MAIN(TestChartFileName)
#include "tst_chartfilename.moc"
