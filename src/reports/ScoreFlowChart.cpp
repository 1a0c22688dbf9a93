// The score-flow chart of a game: the lead after each rally that stands, drawn with QPainter so
// that the screen, the printer and the PDF show one picture, and kept in the document as an object
// whose format carries the game.

#include "reports/ReportData.h"
#include "reports/ReportParts.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <algorithm>
#include <cstdlib>

namespace {

TeamNumbers::Flow FlowOf(const QTextFormat& f)
{
    TeamNumbers::Flow flow;
    flow.number = f.intProperty(ScoreFlow::Number);
    flow.names = {f.stringProperty(ScoreFlow::Home), f.stringProperty(ScoreFlow::Away)};
    flow.homeScore = f.intProperty(ScoreFlow::HomeScore);
    flow.awayScore = f.intProperty(ScoreFlow::AwayScore);
    flow.logged = true;
    const QList<int> leads = f.property(ScoreFlow::Leads).value<QList<int>>();
    flow.leads.assign(leads.begin(), leads.end());
    const QList<int> timeouts = f.property(ScoreFlow::Timeouts).value<QList<int>>();
    for (qsizetype i = 0; i + 1 < timeouts.size(); i += 2)
        flow.timeouts.push_back({timeouts[i], timeouts[i + 1], 0, 0});
    return flow;
}

// Draws the score-flow objects of a document, at the resolution of whatever it is painted on.
class ScoreFlowObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        const qreal u = format.doubleProperty(ScoreFlow::UnitsPerPoint);
        return QSizeF(ScoreFlow::kWidth * u, ScoreFlow::kHeight * u);
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        DrawScoreFlow(*painter, rect, FlowOf(format), format.doubleProperty(ScoreFlow::UnitsPerPoint));
    }
};


} // namespace

namespace ReportParts {

QTextCharFormat ScoreFlowFormat(const TeamNumbers::Flow& flow, qreal unitsPerPoint)
{
    QTextCharFormat chart;
    chart.setObjectType(kScoreFlowObject);
    chart.setProperty(ScoreFlow::Number, flow.number);
    chart.setProperty(ScoreFlow::Home, flow.names[0]);
    chart.setProperty(ScoreFlow::Away, flow.names[1]);
    chart.setProperty(ScoreFlow::HomeScore, flow.homeScore);
    chart.setProperty(ScoreFlow::AwayScore, flow.awayScore);
    chart.setProperty(ScoreFlow::Leads, QVariant::fromValue(QList<int>(flow.leads.begin(), flow.leads.end())));
    chart.setProperty(ScoreFlow::UnitsPerPoint, unitsPerPoint);
    QList<int> timeouts;
    for (const TeamNumbers::FlowTimeout& t : flow.timeouts)
        timeouts << t.afterRally << t.side;
    chart.setProperty(ScoreFlow::Timeouts, QVariant::fromValue(timeouts));
    return chart;
}

void RegisterScoreFlow(QTextDocument& doc)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    if (!layout->handlerForObject(kScoreFlowObject))
        layout->registerHandler(kScoreFlowObject, new ScoreFlowObject(&doc));
}

} // namespace ReportParts

std::vector<TeamNumbers::Flow> ScoreFlowsIn(const QTextDocument& doc)
{
    std::vector<TeamNumbers::Flow> flows;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().objectType() != kScoreFlowObject)
                continue;
            // Charts of equal games may share one fragment: one flow per object.
            for (int i = 0; i < f.length(); ++i)
                flows.push_back(FlowOf(f.charFormat()));
        }
    return flows;
}

QString ScoreFlowCaption(const TeamNumbers::Flow& flow, std::optional<QString> away, std::optional<QString> home)
{
    // The away team first, as every caption has it.
    return QCoreApplication::translate("ReportData", "Game %1: %2 %3, %4 %5")
        .arg(QString::number(flow.number), away.value_or(flow.names[1]), QString::number(flow.awayScore),
             home.value_or(flow.names[0]), QString::number(flow.homeScore));
}

void DrawScoreFlow(QPainter& p, const QRectF& rect, const TeamNumbers::Flow& flow, qreal u)
{
    const QColor ink(0x33, 0x33, 0x33), frame(0xbb, 0xbb, 0xbb), grid(0xe4, 0xe4, 0xe4);
    const QColor homeInk(0x1f, 0x3a, 0x5f), awayInk(0xa3, 0x4a, 0x00);
    const QColor homeFill(0xc4, 0xd3, 0xe8), awayFill(0xf4, 0xd3, 0xae);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Sizes in document units: the painter of the page is scaled from them, so the text is given
    // in those units too rather than in points of whatever device it lands on.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(7.5 * u)));
    QFont bold = font;
    bold.setPixelSize(std::max(1, qRound(8.5 * u)));
    bold.setBold(true);
    const QFontMetricsF fm(font), bm(bold);
    const qreal pad = 4 * u;

    const QRectF box = rect.adjusted(u, u, -u, -u);
    p.setPen(QPen(frame, 0.75 * u));
    p.setBrush(Qt::white);
    p.drawRect(box);

    const auto caption = [&](const QString& away, const QString& home) { return ScoreFlowCaption(flow, away, home); };
    QString text = ScoreFlowCaption(flow);
    const qreal room = box.width() - 2 * pad;
    if (bm.horizontalAdvance(text) > room) {
        const qreal each = std::max<qreal>(0, (room - bm.horizontalAdvance(caption({}, {}))) / 2);
        text = caption(bm.elidedText(flow.names[1], Qt::ElideRight, each),
                       bm.elidedText(flow.names[0], Qt::ElideRight, each));
    }
    p.setFont(bold);
    p.setPen(ink);
    p.drawText(QPointF(box.left() + pad, box.top() + pad + bm.ascent()), text);

    // The plot: the lead up and down from the middle line, one step for each rally.
    const int rallies = int(flow.leads.size());
    int most = 1;
    for (int lead : flow.leads)
        most = std::max(most, std::abs(lead));
    const qreal labelWidth = fm.horizontalAdvance(QString::number(most * 10)) + 3 * u;
    const QRectF plot(QPointF(box.left() + pad + labelWidth, box.top() + pad + bm.height() + 2 * u),
                      QPointF(box.right() - pad, box.bottom() - pad - fm.height() - u));
    // The leads take the plot but a band at its top and bottom, where the sides' names stand clear
    // of the line.
    const qreal band = fm.height() + 2 * u;
    const QRectF leads = plot.adjusted(0, band, 0, -band);
    // Marks on the lead every step, as close as the text allows.
    static const int kSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    int step = 1, top = most;
    for (int candidate : kSteps) {
        step = candidate;
        top = (most + step - 1) / step * step;
        if (leads.height() / 2 / (top / step) >= fm.height() * 1.1)
            break;
    }
    const qreal zero = leads.center().y();
    const auto y = [&](int lead) { return zero - leads.height() / 2 * lead / top; };
    const int span = std::max(rallies, 1);
    const auto x = [&](int rally) { return plot.left() + plot.width() * rally / span; };

    // Who led, in that team's colour, under the marks and the line. Each rally takes its own width
    // at the lead it left, the last one too, so that the end of the line reads the final margin.
    QPainterPath steps(QPointF(x(0), y(0)));
    for (int rally = 1; rally <= rallies; ++rally) {
        const int lead = flow.leads[size_t(rally - 1)];
        steps.lineTo(x(rally - 1), y(lead));
        steps.lineTo(x(rally), y(lead));
    }
    QPainterPath area = steps;
    area.lineTo(x(rallies), y(0));
    area.closeSubpath();
    // Cut at the middle line rather than clipped: an SVG picture of the chart keeps no clip.
    QPainterPath homeSide, awaySide;
    homeSide.addRect(QRectF(plot.left(), plot.top(), plot.width(), zero - plot.top()));
    awaySide.addRect(QRectF(plot.left(), zero, plot.width(), plot.bottom() - zero));
    p.fillPath(area.intersected(homeSide), homeFill);
    p.fillPath(area.intersected(awaySide), awayFill);
    p.setFont(font);
    for (int mark = step; mark <= top; mark += step) {
        p.setPen(QPen(grid, 0.5 * u));
        for (int sign : {1, -1})
            p.drawLine(QPointF(plot.left(), y(sign * mark)), QPointF(plot.right(), y(sign * mark)));
        // The margin reads how far ahead; which side is ahead is written inside the plot.
        p.setPen(ink);
        for (int sign : {1, -1})
            p.drawText(QRectF(box.left() + pad, y(sign * mark) - fm.height() / 2, labelWidth - 3 * u, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(mark));
    }
    p.drawText(QRectF(box.left() + pad, zero - fm.height() / 2, labelWidth - 3 * u, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    // Rallies counted along the bottom, as often as their numbers fit.
    int every = 1;
    for (int candidate : kSteps) {
        every = candidate;
        if (plot.width() / span * every >= fm.horizontalAdvance(QStringLiteral("000")) + 2 * u)
            break;
    }
    for (int rally = every; rally <= rallies; rally += every) {
        p.setPen(QPen(grid, 0.5 * u));
        p.drawLine(QPointF(x(rally), plot.top()), QPointF(x(rally), plot.bottom()));
        p.setPen(ink);
        p.drawText(QRectF(x(rally) - 20 * u, plot.bottom() + u, 40 * u, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(rally));
    }

    // Each timeout as a dashed line between the rallies it came between, in its side's colour.
    for (const TeamNumbers::FlowTimeout& t : flow.timeouts) {
        const qreal at = x(std::clamp(t.afterRally, 0, rallies));
        p.setPen(QPen(t.side == Rally::kAway ? awayInk : homeInk, 0.75 * u, Qt::DashLine));
        p.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }

    p.setPen(QPen(ink, 0.75 * u));
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    p.setPen(QPen(ink, 1.25 * u, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(steps);

    // Which side is ahead, in its colour, in the bands at the top and the bottom of the plot, on
    // white so that a timeout's line never crosses the words.
    const auto ahead = [&](const QString& name, const QColor& colour, bool above) {
        const QString label = fm.elidedText(QCoreApplication::translate("ReportData", "%1 ahead").arg(name),
                                            Qt::ElideRight, plot.width() - 4 * u);
        const QRectF where(plot.left() + 2 * u, above ? plot.top() + u : plot.bottom() - u - fm.height(),
                           fm.horizontalAdvance(label) + u, fm.height());
        p.fillRect(where, Qt::white);
        p.setPen(colour);
        p.drawText(where, Qt::AlignLeft | Qt::AlignVCenter, label);
    };
    ahead(flow.names[0], homeInk, true);
    ahead(flow.names[1], awayInk, false);
    // A timeout's mark at its side's edge, over everything: home's at the top, away's at the foot.
    for (const TeamNumbers::FlowTimeout& t : flow.timeouts) {
        const bool home = t.side != Rally::kAway;
        const qreal at = x(std::clamp(t.afterRally, 0, rallies));
        const qreal size = 3 * u;
        const qreal edge = home ? plot.top() : plot.bottom();
        const qreal tip = home ? edge + size : edge - size;
        p.setPen(Qt::NoPen);
        p.setBrush(home ? homeInk : awayInk);
        p.drawPolygon(QPolygonF({QPointF(at - size, edge), QPointF(at + size, edge), QPointF(at, tip)}));
    }
    p.restore();
}

#include "ScoreFlowChart.moc"
