#include "widgets/CProgressBar.h"

#include "widgets/PictureBox.h"

#include <QCoreApplication>
#include <cfenv>
#include <cmath>

namespace {
// Nearest whole number, a half going to the even neighbour.
int roundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}
}  // namespace

GaugeError::GaugeError(qint32 number, QString source, QString description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
      m_what(m_description.toStdString())
{
}

void CProgressBar::setCanvas(QObject* NewObj)
{
    auto* box = qobject_cast<PictureBox*>(NewObj);
    if (!box)
        throw GaugeError(kErrorBase + 1, QStringLiteral("CProgressBar.Canvas"),
                         QCoreApplication::translate("CProgressBar", "Canvas property must be of type PictureBox."));
    m_canvas = box;
    m_fore = box->foreColor();
    m_back = box->backColor();
    ResizeEx();
}

void CProgressBar::setValue(qint32 NewVal)
{
    m_value = qBound(m_min, NewVal, m_max);
    Refresh();
}

void CProgressBar::setMin(qint32 NewVal)
{
    if (NewVal >= m_max)
        throw GaugeError(kErrorBase + 2, QStringLiteral("CProgressBar.Min"),
                         QCoreApplication::translate("CProgressBar", "Min property must be less than Max."));
    m_min = NewVal;
    m_value = qBound(m_min, m_value, m_max);
    Refresh();
}

void CProgressBar::setMax(qint32 NewVal)
{
    if (NewVal <= m_min)
        throw GaugeError(kErrorBase + 3, QStringLiteral("CProgressBar.Max"),
                         QCoreApplication::translate("CProgressBar", "Max property must be greater than Min."));
    m_max = NewVal;
    m_value = qBound(m_min, m_value, m_max);
    Refresh();
}

void CProgressBar::setForeColor(const QColor& NewVal)
{
    m_fore = NewVal;
    if (m_canvas) {
        m_canvas->setForeColor(NewVal);
        m_drawnLit = -1;
        Refresh();
    }
}

void CProgressBar::setBackColor(const QColor& NewVal)
{
    m_back = NewVal;
    if (m_canvas) {
        m_canvas->setBackColor(NewVal);
        m_drawnLit = -1;
        Refresh();
    }
}

void CProgressBar::Refresh(bool ClearFirst)
{
    if (!m_canvas)
        return;
    if (ClearFirst) {
        m_canvas->cls();
        m_drawnLit = -1;
    }
    draw();
}

void CProgressBar::Resize()
{
    layout();
    Refresh(true);
}

void CProgressBar::ResizeEx()
{
    if (m_fitting || !m_canvas)
        return;
    layout();
    int total = m_segCount * (m_segWidth + m_gap) + m_gap;
    const int w = m_canvas->innerWidth();
    const int used = total - m_segWidth - m_gap;
    if (w - used <= total - w) {
        // The last segment would stand mostly outside the canvas.
        m_segCount -= 1;
        total = m_segCount * (m_segWidth + m_gap) + m_gap;
    }
    const int border = m_canvas->outerWidth() - w;
    m_fitting = true;
    m_canvas->setOuterWidth(total + border);
    m_fitting = false;
    Refresh(true);
}

int CProgressBar::litSegments() const
{
    const double span = static_cast<double>(m_max) - static_cast<double>(m_min);
    return roundEven(static_cast<double>(m_value) / span * m_segCount);
}

void CProgressBar::layout()
{
    m_margin = 2;
    m_gap = 3;
    m_segHeight = roundEven(m_canvas->innerHeight() - 2.0 * m_margin);
    m_segWidth = roundEven((2.0 / 3.0) * m_segHeight);
    const int step = m_segWidth + m_gap;
    m_segCount = (step > 0 ? m_canvas->innerWidth() / step : 0) + 1;
    m_drawnLit = -1;
}

void CProgressBar::draw()
{
    const int lit = litSegments();
    // Long loops set the value once per row; repainting identical segments would only cost time.
    if (lit == m_drawnLit)
        return;
    int x = m_margin;
    for (int i = 1; i <= m_segCount; ++i) {
        const QColor& colour = i <= lit ? m_fore : m_back;
        m_canvas->fillBox(x, m_margin, x + m_segWidth, m_margin + m_segHeight - 1, colour);
        x += m_segWidth + m_gap;
    }
    m_drawnLit = lit;
    m_canvas->flush();
}
