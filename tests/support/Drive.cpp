#include "support/Drive.h"

#include <QDeadlineTimer>

namespace {
// A step armed in an earlier test never acts: EndTest starts a new generation.
int gGeneration = 0;
int gPending = 0;

void Dismiss(QWidget* w)
{
    if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->reject();
    else
        w->close();
}

// Each step waits for the next modal window that opens after the one up now (so nested windows
// work). If none opens in time, whatever modal window is up is dismissed, so that the test cannot hang.
void Arm(const QList<drive::Step>& steps, int index, const std::shared_ptr<drive::Seen>& seen)
{
    if (index >= steps.size())
        return;
    ++gPending;
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [=, armedIn = gGeneration, deadline = QDeadlineTimer(5000)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool opened = modal && modal != before && modal->isVisible();
        if (!opened && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (!opened) {
            qWarning("drive: no modal window opened within 5 s");
            if (modal)
                Dismiss(modal);
        } else if (armedIn == gGeneration) {
            --gPending;
            seen->titles << modal->windowTitle();
            Arm(steps, index + 1, seen);
            steps[index](modal);
        }
    });
    timer->start(10);
}

// A step that cannot do its part closes the window, so that the test fails instead of hanging.
void GiveUp(QWidget* w, const QString& why)
{
    qWarning("drive: %s in %s", qPrintable(why), qPrintable(w->objectName()));
    w->close();
}
} // namespace

namespace drive {

std::shared_ptr<Seen> Windows(const QList<Step>& steps)
{
    auto seen = std::make_shared<Seen>();
    Arm(steps, 0, seen);
    return seen;
}

void EndTest()
{
    const QStringList left = VisibleTopLevels();
    const int waiting = gPending;
    ++gGeneration;
    gPending = 0;
    CloseAllWindows();
    QCOMPARE(left, QStringList());
    QCOMPARE(waiting, 0);
}

Step Click(const QString& button)
{
    return [button](QWidget* w) {
        auto* b = Child<QAbstractButton>(w, button);
        b ? QTest::mouseClick(b, Qt::LeftButton) : GiveUp(w, QStringLiteral("no button ") + button);
    };
}

Step Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return [key, modifiers](QWidget* w) { QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key, modifiers); };
}

Step CloseBox()
{
    return [](QWidget* w) { w->close(); };
}

Step Type(const QString& box, const QString& text)
{
    return [box, text](QWidget* w) {
        auto* edit = Child<QLineEdit>(w, box);
        if (!edit)
            return GiveUp(w, QStringLiteral("no box ") + box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Key by key, as a keyboard would; unlike QTest::keyClicks also letters outside Latin-1.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    };
}

Step ChooseRow(const QString& list, int row)
{
    return [list, row](QWidget* w) {
        auto* l = Child<QListWidget>(w, list);
        if (!l || row >= l->count())
            return GiveUp(w, QStringLiteral("no row %1 in %2").arg(row).arg(list));
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    };
}

Step ChooseId(const QString& list, const RecordId& id)
{
    return [list, id](QWidget* w) {
        auto* l = Child<QListWidget>(w, list);
        for (int i = 0; l && i < l->count(); ++i) {
            const QVariant data = l->item(i)->data(Qt::UserRole);
            if (data.value<RecordId>() == id || data.toString() == id.text())
                return ChooseRow(list, i)(w);
        }
        GiveUp(w, QStringLiteral("no entry for %1 in %2").arg(id.text(), list));
    };
}

Step Answer(QMessageBox::StandardButton answer, Step step)
{
    return [answer, step](QWidget* w) {
        MsgBoxHook::setNextAnswer(answer);
        step(w);
    };
}

Step Steps(const QList<Step>& steps)
{
    return [steps](QWidget* w) {
        for (const Step& s : steps)
            s(w);
    };
}

Step Look(std::function<void(QWidget*)> look)
{
    return look;
}

QStringList Lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList Lines(QWidget* w, const QString& list)
{
    return Lines(Child<QListWidget>(w, list));
}

void SelectRows(QListWidget* list, const QList<int>& rows)
{
    list->clearSelection();
    for (int row : rows) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(row)).center());
    }
}

void DoubleClick(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace drive

QStringList ModalWatch::titles() const
{
    QStringList out;
    for (const Seen& s : m_seen)
        out << s.title;
    return out;
}

void ModalWatch::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_last)
        return;
    m_last = modal;
    // The command waits over the main window only: the window it opens must keep the normal
    // pointer, or the user could not tell that it is waiting for them.
    bool mainBusy = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmMain"))
            mainBusy = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::WaitCursor;
    const QCursor* app = QApplication::overrideCursor();
    m_seen.push_back({modal->windowTitle(), mainBusy && !(app && app->shape() == Qt::WaitCursor)});
    if (m_respond)
        m_respond(modal);
    else
        Dismiss(modal);
}
