#include "DemandForm.h"

#include "DesignTexts.h"
#include "NumberInput.h"
#include "NumberText.h"
#include "TextTrim.h"
#include "Units.h"

namespace {

constexpr int kLoadDecimals = 2;
constexpr int kFlowDecimals = 2;

QString loadText(double fixtureUnits) { return formatUpTo(fixtureUnits, kLoadDecimals); }

TDemandOutcome refusal(const QString& message)
{
    TDemandOutcome outcome;
    outcome.Message = message;
    return outcome;
}

} // namespace

TDemandOutcome evaluateDemand(std::span<const int> counts, Design::TLoadColumn column, Design::TSupply supply,
                              const QString& directLoadText)
{
    double fixtureUnits = 0.0;
    if (!trimmedOfBlanksAndControls(directLoadText).isEmpty()) {
        // A typed load is read like a term of the flow: "." or "," as the decimal mark.
        if (!parseNumberEitherMark(directLoadText, fixtureUnits))
            return refusal(DesignTexts::kBadField.toString().arg(DesignTexts::kTotalLoad));
        if (fixtureUnits < 0.0)
            return refusal(DesignTexts::kNegativeField.toString().arg(DesignTexts::kTotalLoad));
    } else if (!Design::totalFixtureUnits(counts, column, fixtureUnits)) {
        return refusal(DesignTexts::kBadField.toString().arg(DesignTexts::kHeaderCount));
    }
    TDemandOutcome outcome;
    outcome.FixtureUnits = fixtureUnits;
    if (!Design::demandGpm(fixtureUnits, supply, outcome.Gpm))
        return refusal(
            DesignTexts::kLoadAboveTable.toString().arg(loadText(fixtureUnits), loadText(Design::kMaxFixtureUnits)));
    outcome.Ok = true;
    return outcome;
}

QString fixtureLoadText(std::optional<double> fixtureUnits)
{
    return fixtureUnits ? loadText(*fixtureUnits) : DesignTexts::kNoLoad.toString();
}

QString demandSummaryText(const TDemandOutcome& outcome)
{
    if (!outcome.Ok)
        return outcome.Message;
    using namespace DesignTexts;
    const QString load = loadText(outcome.FixtureUnits);
    const QString gpm = formatFixed(outcome.Gpm, kFlowDecimals) + QStringLiteral(" gpm");
    const QString litres = formatFixed(Design::flowLitresPerSecond(outcome.Gpm), kFlowDecimals);
    return QStringLiteral("%1: %2 %3\n").arg(kTotalLoad, load, kFixtureUnits)
        + QStringLiteral("%1: %2\n")
              .arg(kDesignFlow, leftToRight(gpm + QStringLiteral(" = ") + litres + QStringLiteral(" L/s")))
        + QStringLiteral("%1 %2%3%4").arg(load, kFixtureUnits, kReadingArrow, leftToRight(gpm));
}

QString flowFieldText(double gpm) { return formatFixed(gpm, kFlowDecimals); }
