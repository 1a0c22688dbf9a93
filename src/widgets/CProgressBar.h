#pragma once

#include <QColor>
#include <QPointer>
#include <QString>

#include <exception>
#include <string>

#include "widgets/PictureBox.h"
class QObject;

// An error of the gauge: a number counted from the base of application errors, the property that
// raised it and what went wrong. The gauge's fields are left as they were.
class GaugeError : public std::exception
{
public:
    GaugeError(qint32 number, QString source, QString description);
    const char* what() const noexcept override { return m_what.c_str(); }
    qint32 number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }

private:
    qint32 m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

// A segmented gauge, a row of equal boxes like a bar of lamps, drawn into a picture box.
class CProgressBar
{
public:
    static constexpr qint32 kErrorBase = static_cast<qint32>(0x80040000u);

    CProgressBar() = default;

    void setCanvas(QObject* NewObj);
    PictureBox* canvas() const { return m_canvas; }

    void setValue(qint32 NewVal);
    qint32 value() const { return m_value; }
    void setMin(qint32 NewVal);
    qint32 min() const { return m_min; }
    void setMax(qint32 NewVal);
    qint32 max() const { return m_max; }
    void setForeColor(const QColor& NewVal);
    QColor foreColor() const { return m_fore; }
    void setBackColor(const QColor& NewVal);
    QColor backColor() const { return m_back; }

    void Refresh(bool ClearFirst = false);
    void Resize();
    void ResizeEx();

    int segmentWidth() const { return m_segWidth; }
    int segmentHeight() const { return m_segHeight; }
    int segmentCount() const { return m_segCount; }
    int gap() const { return m_gap; }
    int margin() const { return m_margin; }
    // Segments lit for the current value.
    int litSegments() const;

private:
    void layout();
    void draw();

    QPointer<PictureBox> m_canvas;
    qint32 m_value = 0;
    qint32 m_min = 0;
    qint32 m_max = 100;
    QColor m_fore{0x00, 0xFF, 0x00};
    QColor m_back{0x00, 0x00, 0xFF};
    int m_segWidth = 0;
    int m_segHeight = 0;
    int m_gap = 3;
    int m_margin = 2;
    int m_segCount = 0;
    bool m_fitting = false;
    int m_drawnLit = -1;  // what the canvas shows now; -1 when it must be drawn in full
};
