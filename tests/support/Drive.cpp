#include "support/Drive.h"

namespace drive {

namespace {
int& generation()
{
    static int g = 0;
    return g;
}

int& pending()
{
    static int p = 0;
    return p;
}

void arm(const QList<Step>& steps, int index, const std::shared_ptr<Seen>& seen)
{
    if (index >= steps.size())
        return;
    ++pending();
    const int armedIn = generation();
    OnNextModal([steps, index, seen, armedIn](QWidget* w) {
        if (armedIn != generation())
            return;
        --pending();
        seen->windows << w->objectName();
        seen->titles << w->windowTitle();
        arm(steps, index + 1, seen);
        steps[index](w);
    });
}

void giveUp(QWidget* w, const QString& why)
{
    qWarning("drive: %s in %s", qPrintable(why), qPrintable(w->objectName()));
    w->close();
}
} // namespace

std::shared_ptr<Seen> Windows(const QList<Step>& steps)
{
    auto seen = std::make_shared<Seen>();
    arm(steps, 0, seen);
    return seen;
}

int Pending()
{
    return pending();
}

void EndTest()
{
    const QStringList left = VisibleTopLevels();
    const int waiting = pending();
    ++generation();
    pending() = 0;
    CloseAllWindows();
    QCOMPARE(left, QStringList());
    QCOMPARE(waiting, 0);
}

void TypeText(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

Step Click(const QString& button)
{
    return [button](QWidget* w) {
        auto* b = Child<QAbstractButton>(w, button);
        if (!b)
            return giveUp(w, QStringLiteral("no button ") + button);
        QTest::mouseClick(b, Qt::LeftButton);
    };
}

Step Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return [key, modifiers](QWidget* w) {
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key, modifiers);
    };
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
            return giveUp(w, QStringLiteral("no box ") + box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        TypeText(edit, text);
    };
}

Step ChooseRow(const QString& list, int row)
{
    return [list, row](QWidget* w) {
        auto* l = Child<QListWidget>(w, list);
        if (!l || row >= l->count())
            return giveUp(w, QStringLiteral("no row %1 in %2").arg(row).arg(list));
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
        giveUp(w, QStringLiteral("no entry for %1 in %2").arg(id.text(), list));
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
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(item).center());
    }
}

void DoubleClick(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace drive
