// The flow field's whole reading (one number or a "+" sum) under several locales. An accepted
// flow is a finite number; a sum is exactly the sum of its terms, each of which reads on its
// own, and the text written back into the field reads again as the same flow.
#include "FuzzInput.h"
#include "FuzzLocales.h"

#include "NumberInput.h"

#include <QCoreApplication>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    QLocale::setDefault(fuzzLocale(in.byte()));
    const std::string_view bytes = in.rest();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));

    double flowGpm = -7.0;
    QString rewritten = QStringLiteral("stale");
    if (!parseFlowText(text, flowGpm, rewritten)) {
        require(flowGpm == -7.0 && rewritten == QStringLiteral("stale"), "a refused flow changes nothing");
        return 0;
    }
    require(std::isfinite(flowGpm), "an accepted flow is finite");
    if (!text.contains(QLatin1Char('+'))) {
        require(rewritten.isEmpty(), "a single number is never rewritten");
        double term = 0.0;
        require(parseNumberEitherMark(text, term) && term == flowGpm, "a single number reads as its own term");
        return 0;
    }
    double sumGpm = 0.0;
    for (const QString& term : text.split(QLatin1Char('+'))) {
        double termGpm = 0.0;
        require(parseNumberEitherMark(term, termGpm), "every term of an accepted sum reads");
        sumGpm += termGpm;
    }
    require(sumGpm == flowGpm, "a sum is the sum of its terms");
    require(!rewritten.isEmpty(), "a sum is written back");
    double again = 0.0;
    QString twice;
    require(parseFlowText(rewritten, again, twice), "the written-back sum reads again");
    require(std::abs(again - flowGpm) <= 1e-14 * std::abs(flowGpm), "the written-back sum keeps its value");
    require(twice.isEmpty(), "the written-back sum is a single number");
    return 0;
}
