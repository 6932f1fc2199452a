// The riser diagram as an SVG document, written from the same shapes the painter draws: pipes as
// polylines, nodes as dots, the words as text a browser or a drawing program can still select
// and search. An unsized segment's reason travels as its title, the tooltip of SVG viewers.
#include "RiserDrawing.h"

#include "MarkLabels.h"

#include <QFontMetricsF>
#include <QXmlStreamWriter>

namespace Riser {
namespace {

QString number(double v) { return QString::number(v, 'f', 2); }

QString points(const QPolygonF& line, const QPointF& offset)
{
    QStringList written;
    for (const QPointF& p : line)
        written << number(p.x() - offset.x()) + u',' + number(p.y() - offset.y());
    return written.join(u' ');
}

class TSvgWriter {
public:
    TSvgWriter(const TDrawing& drawing, QByteArray& out)
        : FDrawing(drawing)
        , FOffset(drawing.boundsPx.topLeft())
        , FXml(&out)
    {
    }

    void write()
    {
        FXml.setAutoFormatting(true);
        FXml.writeStartDocument();
        FXml.writeStartElement(QStringLiteral("svg"));
        FXml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        const QSizeF size = FDrawing.boundsPx.size();
        FXml.writeAttribute(QStringLiteral("width"), number(size.width()));
        FXml.writeAttribute(QStringLiteral("height"), number(size.height()));
        FXml.writeAttribute(QStringLiteral("viewBox"),
                            QStringLiteral("0 0 %1 %2").arg(number(size.width()), number(size.height())));
        FXml.writeStartElement(QStringLiteral("rect"));
        FXml.writeAttribute(QStringLiteral("width"), QStringLiteral("100%"));
        FXml.writeAttribute(QStringLiteral("height"), QStringLiteral("100%"));
        FXml.writeAttribute(QStringLiteral("fill"), QStringLiteral("white"));
        FXml.writeEndElement();
        for (const bool critical : {false, true})
            for (const TSegmentShape& shape : FDrawing.segments)
                if (shape.critical == critical)
                    segment(shape);
        for (const TNodeShape& shape : FDrawing.nodes)
            node(shape);
        for (const TReducerShape& mark : FDrawing.reducers)
            reducer(mark);
        for (const TLabel& l : FDrawing.labels)
            label(l);
        FXml.writeEndElement();
        FXml.writeEndDocument();
    }

private:
    void segment(const TSegmentShape& shape)
    {
        FXml.writeStartElement(QStringLiteral("polyline"));
        FXml.writeAttribute(QStringLiteral("points"), points(shape.linePx, FOffset));
        FXml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        FXml.writeAttribute(QStringLiteral("stroke"), (shape.critical ? kCriticalColour : kPipeColour).name());
        FXml.writeAttribute(QStringLiteral("stroke-width"), number(shape.critical ? kCriticalWidthPx : kPipeWidthPx));
        if (!shape.sized)
            FXml.writeAttribute(QStringLiteral("stroke-dasharray"), QStringLiteral("6 4"));
        if (!shape.note.isEmpty())
            FXml.writeTextElement(QStringLiteral("title"), shape.note);
        FXml.writeEndElement();
    }

    void pump(const TNodeShape& shape)
    {
        const QPointF at = shape.atPx - FOffset;
        FXml.writeStartElement(QStringLiteral("circle"));
        FXml.writeAttribute(QStringLiteral("cx"), number(at.x()));
        FXml.writeAttribute(QStringLiteral("cy"), number(at.y()));
        FXml.writeAttribute(QStringLiteral("r"), number(kPumpRadiusPx));
        FXml.writeAttribute(QStringLiteral("fill"), QStringLiteral("white"));
        FXml.writeAttribute(QStringLiteral("stroke"), kPipeColour.name());
        FXml.writeAttribute(QStringLiteral("stroke-width"), number(kPipeWidthPx));
        FXml.writeEndElement();
        FXml.writeStartElement(QStringLiteral("polygon"));
        FXml.writeAttribute(QStringLiteral("points"), points(pumpTriangle(shape.atPx), FOffset));
        FXml.writeAttribute(QStringLiteral("fill"), kPipeColour.name());
        FXml.writeEndElement();
    }

    void node(const TNodeShape& shape)
    {
        const QPointF at = shape.atPx - FOffset;
        if (shape.pump) {
            pump(shape);
            return;
        }
        if (shape.segment == kNoSegment) {
            FXml.writeStartElement(QStringLiteral("rect"));
            FXml.writeAttribute(QStringLiteral("x"), number(at.x() - kSourceSidePx / 2.0));
            FXml.writeAttribute(QStringLiteral("y"), number(at.y() - kSourceSidePx / 2.0));
            FXml.writeAttribute(QStringLiteral("width"), number(kSourceSidePx));
            FXml.writeAttribute(QStringLiteral("height"), number(kSourceSidePx));
        } else {
            FXml.writeStartElement(QStringLiteral("circle"));
            FXml.writeAttribute(QStringLiteral("cx"), number(at.x()));
            FXml.writeAttribute(QStringLiteral("cy"), number(at.y()));
            FXml.writeAttribute(QStringLiteral("r"), number(shape.outlet ? kOutletRadiusPx : kJunctionRadiusPx));
        }
        FXml.writeAttribute(QStringLiteral("fill"), kPipeColour.name());
        FXml.writeEndElement();
    }

    void reducer(const TReducerShape& mark)
    {
        QPolygonF tie = bowTie(mark);
        tie.removeLast(); // a polygon closes itself
        FXml.writeStartElement(QStringLiteral("polygon"));
        FXml.writeAttribute(QStringLiteral("points"), points(tie, FOffset));
        FXml.writeAttribute(QStringLiteral("fill"), kReducerColour.name());
        FXml.writeEndElement();
    }

    void label(const TLabel& l)
    {
        if (needsLeader(l)) {
            FXml.writeStartElement(QStringLiteral("line"));
            const QPointF a = l.anchorPx - FOffset;
            const QPointF b = nearestPointOf(l.rectPx, l.anchorPx) - FOffset;
            FXml.writeAttribute(QStringLiteral("x1"), number(a.x()));
            FXml.writeAttribute(QStringLiteral("y1"), number(a.y()));
            FXml.writeAttribute(QStringLiteral("x2"), number(b.x()));
            FXml.writeAttribute(QStringLiteral("y2"), number(b.y()));
            FXml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#969696"));
            FXml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.8"));
            FXml.writeEndElement();
        }
        QFont font = FDrawing.font;
        font.setBold(l.kind == TLabelKind::NodeName);
        const QFontMetricsF metrics(font);
        const QRectF r = l.rectPx.translated(-FOffset);
        const QStringList lines = l.text.split(u'\n');
        const double linePx = metrics.height();
        const double firstBaseline
            = r.top() + (r.height() - linePx * static_cast<double>(lines.size())) / 2.0 + metrics.ascent();
        FXml.writeStartElement(QStringLiteral("text"));
        FXml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        FXml.writeAttribute(QStringLiteral("font-family"), font.family());
        FXml.writeAttribute(QStringLiteral("font-size"), QString::number(font.pixelSize()));
        if (font.bold())
            FXml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
        FXml.writeAttribute(QStringLiteral("fill"), labelColour(l).name());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            FXml.writeStartElement(QStringLiteral("tspan"));
            FXml.writeAttribute(QStringLiteral("x"), number(r.center().x()));
            FXml.writeAttribute(QStringLiteral("y"), number(firstBaseline + linePx * static_cast<double>(i)));
            FXml.writeCharacters(lines[i]);
            FXml.writeEndElement();
        }
        FXml.writeEndElement();
    }

    const TDrawing& FDrawing;
    QPointF FOffset;
    QXmlStreamWriter FXml;
};

} // namespace

QByteArray riserSvg(const TDrawing& drawing)
{
    QByteArray out;
    TSvgWriter(drawing, out).write();
    return out;
}

} // namespace Riser
