#pragma once

// Two small pieces of the court screen that follow the rally log: the mark of the server on the
// serving side's zone-1 box, and the strip of the last entries in words.

#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QStringList>

// The ball drawn in the corner of the server's box, with the server in its accessible name so
// that a screen reader says who serves. It lets clicks through to the box beneath.
class ServeMark : public QLabel
{
public:
    explicit ServeMark(QWidget* parent);
    // Stands on the top left corner of box (in the parent's coordinates) for the named server.
    void showOn(const QRect& box, const QString& server);
    QString server() const { return m_server; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_server;
    QPixmap m_ball; // drawn once for each size, not at every paint
};

// The last entries of the log, newest first: as many whole entries as its height holds. An entry
// wraps between its words; a name too long for a line loses its middle, never its end at the
// edge, and a screen reader gets it whole. It never takes the keyboard focus: the court's keys go
// to the court.
class LogStrip : public QListWidget
{
public:
    // The most entries the strip is given; more than any screen shows.
    static constexpr int kKept = 40;

    explicit LogStrip(QWidget* parent);
    void showEntries(const QStringList& newestFirst);
    void setPixelSize(int px);
    // The entries shown, whole.
    QStringList entries() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();

    // An entry as shown (a long name shortened) and the height it takes.
    struct Fitted
    {
        QString shown;
        int height = 0;
    };

    QStringList m_all;
    QHash<QString, Fitted> m_fitted; // for m_fittedFont and m_fittedWidth
    QFont m_fittedFont;
    int m_fittedWidth = 0;
};
