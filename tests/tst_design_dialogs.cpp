// The two design helpers driven through their real widgets from the calculator's buttons: counts
// and loads typed, systems and units chosen, Enter or "Apply" pressed, and the calculator's
// fields read back; a bad field names itself and changes nothing.
#include "BudgetDialog.h"
#include "DemandDialog.h"
#include "DesignTexts.h"
#include "ModalMessages.h"
#include "Unit1.h"
#include "Win11Button.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>

namespace {

using namespace DesignTexts;

template <typename TDialog> TDialog* openHelper(const char* button)
{
    QTest::mouseClick(formChild<TWin11Button>(button), Qt::LeftButton);
    auto* dialog = Form1->findChild<TDialog*>();
    if (dialog == nullptr || !dialog->isVisible())
        qFatal("%s opened no helper", button);
    return dialog;
}

template <typename T> T* child(const QWidget* dialog, const QString& name)
{
    T* found = dialog->findChild<T*>(name);
    if (found == nullptr)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void setLocaleFor(const QString& name) { QLocale::setDefault(QLocale(name)); }

// The street main of 50 psi, 30 ft up, 200 ft of run and half again for fittings: 8.00 psi/100ft.
const QStringList kStreetTexts{"50", "5", "30", "", "200", "50"};
const QList<int> kStreetUnits{0, 0, 1, -1, 1, -1};

// Fills the budget's fields; an empty text keeps the prefill, a unit of -1 the default.
void fillBudget(TBudgetDialog* dialog, const QStringList& texts, const QList<int>& units)
{
    const auto fields = budgetFields();
    for (int i = 0; i < kBudgetFieldCount; ++i) {
        const QString name = QString::fromLatin1(fields[static_cast<std::size_t>(i)].Name);
        if (units[i] >= 0)
            child<QComboBox>(dialog, name + QStringLiteral("Unit"))->setCurrentIndex(units[i]);
        if (!texts[i].isEmpty()) {
            auto* field = child<QLineEdit>(dialog, name);
            field->clear();
            QTest::keyClicks(field, texts[i]);
        }
    }
}

} // namespace

class TestDesignDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setLocaleFor(QStringLiteral("en_US")); }
    void init() { QVERIFY(openWindows()); }
    void cleanup()
    {
        closeWindows();
        setLocaleFor(QStringLiteral("en_US"));
    }

    void demandApplied_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QList<int>>("countedRows");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QString>("directLoad");
        QTest::addColumn<QString>("flow");
        // A private flat: flush-tank toilet, basin, bath, kitchen sink, dishwasher; 7.1 fu in all.
        const QList<int> flat { 3, 8, 10, 15, 20 };
        QTest::newRow("12 flats, total, flush tanks: 85.2 fu") << "en_US" << flat << 12 << "ColumnTotal"
                                                               << "SupplyFlushTank"
                                                               << ""
                                                               << "39.56";
        QTest::newRow("12 flats, hot only: 46.8 fu") << "en_US" << flat << 12 << "ColumnHot"
                                                     << "SupplyFlushTank"
                                                     << ""
                                                     << "28.20";
        QTest::newRow("one public flush-valve toilet: 10 fu") << "en_US" << QList<int> { 0 } << 1 << "ColumnCold"
                                                              << "SupplyFlushValve"
                                                              << ""
                                                              << "27.00";
        QTest::newRow("typed total with a comma wins over counts") << "en_US" << flat << 3 << "ColumnTotal"
                                                                   << "SupplyFlushValve"
                                                                   << "48,6"
                                                                   << "49.44";
        QTest::newRow("de: written with the user's comma") << "de_DE" << QList<int> {} << 0 << "ColumnTotal"
                                                           << "SupplyFlushTank"
                                                           << "48.6"
                                                           << "28,71";
        // clang-format on
    }
    void demandApplied()
    {
        QFETCH(QString, locale);
        QFETCH(QList<int>, countedRows);
        QFETCH(int, count);
        QFETCH(QString, column);
        QFETCH(QString, supply);
        QFETCH(QString, directLoad);
        QFETCH(QString, flow);
        setLocaleFor(locale);
        auto* dialog = openHelper<TDemandDialog>("BtnDemand");
        QTest::mouseClick(child<QRadioButton>(dialog, column), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(dialog, supply), Qt::LeftButton);
        for (const int row : countedRows) {
            auto* spin = child<QSpinBox>(dialog, QStringLiteral("FixtureCount%1").arg(row));
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(count));
            QCOMPARE(spin->value(), count);
        }
        auto* direct = child<QLineEdit>(dialog, QStringLiteral("DirectLoad"));
        QTest::keyClicks(direct, directLoad);
        TModalMessages messages;
        QTest::keyClick(direct, Qt::Key_Return);
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(formChild<QLineEdit>("EditFlow")->text(), flow);
        QVERIFY(child<QLabel>(dialog, QStringLiteral("DemandSummary"))
                    ->text()
                    .endsWith(kReadingArrow.toString() + leftToRight(flow + QStringLiteral(" gpm"))));
        QVERIFY(dialog->isVisible());
    }

    void demandRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("directLoad");
        QTest::addColumn<QString>("message");
        const QString bad = kBadField.toString().arg(kTotalLoad);
        QTest::newRow("grouped") << "1,000.5" << bad;
        QTest::newRow("NaN") << "nan" << bad;
        QTest::newRow("infinite") << "inf" << bad;
        QTest::newRow("negative") << "-3" << kNegativeField.toString().arg(kTotalLoad);
        QTest::newRow("above the table") << "5001"
                                         << kLoadAboveTable.toString().arg(
                                                QStringLiteral("5001"), QStringLiteral("5000"));
        QTest::newRow("nothing counted") << "" << kNothingCounted.toString();
        // clang-format on
    }
    void demandRefused()
    {
        QFETCH(QString, directLoad);
        QFETCH(QString, message);
        formChild<QLineEdit>("EditFlow")->setText(QStringLiteral("7"));
        auto* dialog = openHelper<TDemandDialog>("BtnDemand");
        QTest::keyClicks(child<QLineEdit>(dialog, QStringLiteral("DirectLoad")), directLoad);
        TModalMessages messages;
        QTest::mouseClick(child<QWidget>(dialog, QStringLiteral("BtnApply")), Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(formChild<QLineEdit>("EditFlow")->text(), QStringLiteral("7"));
    }

    void budgetApplied_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("units");
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("readout");
        QTest::newRow("street main in psi and ft") << "en_US"
                                                   << "SupplyFlushTank" << kStreetTexts << kStreetUnits << "8.00"
                                                   << QStringLiteral("8.00 psi/100ft ⇒ 18.45 ft/100ft");
        // 12 m of head less 8 psi, over 30 m and a quarter more.
        QTest::newRow("roof tank 12 m above, in bar and m")
            << "en_US"
            << "SupplyFlushTank" << QStringList { "0", "0", "-12", "", "30", "25" }
            << QList<int> { -1, -1, -1, -1, -1, -1 } << "7.35" << QStringLiteral("7.35 psi/100ft ⇒ 16.95 ft/100ft");
        QTest::newRow("de: 4 bar, flush valve at 15 psi")
            << "de_DE"
            << "SupplyFlushValve" << QStringList { "4", "0,5", "6", "", "50", "30" }
            << QList<int> { -1, -1, -1, -1, -1, -1 } << "12,77" << QStringLiteral("12,77 psi/100ft ⇒ 29,45 ft/100ft");
        // clang-format on
    }
    void budgetApplied()
    {
        QFETCH(QString, locale);
        QFETCH(QString, supply);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, units);
        QFETCH(QString, pressure);
        QFETCH(QString, readout);
        setLocaleFor(locale);
        auto* dialog = openHelper<TBudgetDialog>("BtnBudget");
        QTest::mouseClick(child<QRadioButton>(dialog, supply), Qt::LeftButton);
        fillBudget(dialog, texts, units);
        TModalMessages messages;
        QTest::keyClick(child<QLineEdit>(dialog, QStringLiteral("BudgetFittings")), Qt::Key_Enter);
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(formChild<QLineEdit>("EditPressure")->text(), pressure);
        QCOMPARE(formChild<QLabel>("psitofoot")->text(), readout);
        QVERIFY(!child<QLabel>(dialog, QStringLiteral("BudgetSummary"))->text().contains(kChartRangeNote));
    }

    void budgetRefused_data()
    {
        // clang-format off
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto fields = budgetFields();
        const auto named = [&fields](QStringView message, int field) {
            return message.toString().arg(fields[static_cast<std::size_t>(field)].Label);
        };
        QTest::newRow("letters for the length") << 4 << "abc" << named(kBadField, 4);
        QTest::newRow("grouped source") << 0 << "1,000.5" << named(kBadField, 0);
        QTest::newRow("infinite source") << 0 << "inf" << named(kBadField, 0);
        QTest::newRow("meter left empty") << 1 << " " << named(kBadField, 1);
        QTest::newRow("negative fixture pressure") << 3 << "-2" << named(kNegativeField, 3);
        QTest::newRow("no length") << 4 << "0" << named(kNotPositiveField, 4);
        // 20 - 5 - 12.99 - 8 psi.
        QTest::newRow("source 20 psi falls short")
            << 0 << "20" << kShortfall.toString().arg(leftToRight(QStringLiteral("5.99 psi")));
        // clang-format on
    }
    void budgetRefused()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        formChild<QLineEdit>("EditPressure")->setText(QStringLiteral("3"));
        const QString readout = formChild<QLabel>("psitofoot")->text();
        auto* dialog = openHelper<TBudgetDialog>("BtnBudget");
        QStringList texts = kStreetTexts;
        texts[field] = text;
        fillBudget(dialog, texts, kStreetUnits);
        TModalMessages messages;
        QTest::mouseClick(child<QWidget>(dialog, QStringLiteral("BtnApply")), Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(formChild<QLineEdit>("EditPressure")->text(), QStringLiteral("3"));
        QCOMPARE(formChild<QLabel>("psitofoot")->text(), readout);
    }

    // Off the chart's horizontal axis the loss is still shown and applied, with a note.
    void lossOffTheChart()
    {
        auto* dialog = openHelper<TBudgetDialog>("BtnBudget");
        fillBudget(dialog, {"500", "0", "0", "0", "10", "0"}, {0, 0, 1, -1, 1, -1});
        QVERIFY(child<QLabel>(dialog, QStringLiteral("BudgetSummary"))->text().endsWith(kChartRangeNote));
        QTest::mouseClick(child<QWidget>(dialog, QStringLiteral("BtnApply")), Qt::LeftButton);
        QCOMPARE(formChild<QLineEdit>("EditPressure")->text(), QStringLiteral("5000"));
    }

    void oneOfEachEscAndSystemInStep()
    {
        auto* demand = openHelper<TDemandDialog>("BtnDemand");
        QCOMPARE(openHelper<TDemandDialog>("BtnDemand"), demand);
        QCOMPARE(Form1->findChildren<TDemandDialog*>().size(), 1);
        QTest::keyClick(demand, Qt::Key_Escape);
        QVERIFY(!demand->isVisible());
        QCOMPARE(openHelper<TDemandDialog>("BtnDemand"), demand);

        auto* budget = openHelper<TBudgetDialog>("BtnBudget");
        auto* fixture = child<QLineEdit>(budget, QStringLiteral("BudgetFixture"));
        QCOMPARE(fixture->text(), QStringLiteral("8"));
        QTest::mouseClick(child<QRadioButton>(demand, QStringLiteral("SupplyFlushValve")), Qt::LeftButton);
        QCOMPARE(fixture->text(), QStringLiteral("15"));
        QCOMPARE(budget->supply(), Design::TSupply::FlushValve);
        // A pressure the user typed stays when the system changes.
        fixture->clear();
        QTest::keyClicks(fixture, QStringLiteral("12"));
        QTest::mouseClick(child<QRadioButton>(budget, QStringLiteral("SupplyFlushTank")), Qt::LeftButton);
        QCOMPARE(demand->supply(), Design::TSupply::FlushTank);
        QCOMPARE(fixture->text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(TestDesignDialogs)
#include "tst_design_dialogs.moc"
