#include "roster/DialogParts.h"

#include "base/Names.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int kColumnGap = 24;
constexpr int kTextMargin = 4;
} // namespace

RosterDialog::RosterDialog(QWidget* parent) : QDialog(parent)
{
    setModal(true);
}

QHBoxLayout* RosterDialog::ButtonRow(const QString& ok, const QString& cancel)
{
    cmdOk = new QPushButton(ok, this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(cancel, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &RosterDialog::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &RosterDialog::reject);
    return buttons;
}

void RosterDialog::accept()
{
    cmdOk_Click();
}

void RosterDialog::reject()
{
    QDialog::reject();
}

void RosterEditor::setButtonCaptions(const QString& ok, const QString& cancel)
{
    cmdOk->setText(ok);
    cmdCancel->setText(cancel);
}

void RosterEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
    FirstBox()->setFocus();
}

bool RosterEditor::RefusedAsTooLong(const QString& name, const QString& title, QWidget* box)
{
    if (name.size() <= names::kLongest)
        return false;
    MsgBox(tr("A name can be at most %1 characters long; this one has %2.").arg(names::kLongest).arg(name.size()),
           QMessageBox::Ok, QMessageBox::NoIcon, title);
    box->setFocus();
    return true;
}

void RosterEditor::AddButtonRow(QGridLayout* grid, int row, const QString& ok, const QString& cancel)
{
    grid->addLayout(ButtonRow(ok, cancel), row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

RosterChooser::RosterChooser(QWidget* parent, const QString& listName, const QString& toolTip) : RosterDialog(parent)
{
    lstChoices = new QListWidget(this);
    lstChoices->setObjectName(listName);
    lstChoices->setToolTip(toolTip);
    // The list has no heading: a screen reader names it by what it offers.
    lstChoices->setAccessibleName(toolTip);
    lstChoices->setUniformItemSizes(true);
    lstChoices->setSelectionMode(QAbstractItemView::SingleSelection);
    lstChoices->setItemDelegate(new ListLineDelegate(lstChoices));
    lstChoices->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstChoices->setMinimumSize(480, 260);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstChoices, 1);
    layout->addLayout(ButtonRow(tr("Ok"), tr("Cancel")));

    setTabOrder(lstChoices, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(lstChoices, &QListWidget::itemDoubleClicked, this, &RosterChooser::cmdOk_Click);
}

bool RosterChooser::FillList(const QString& status, const std::function<QStringList()>& select,
                             const QString& nonePrompt, const QString& noneTitle,
                             const std::function<Entry(int, const QString&)>& makeEntry)
{
    ProgressScope progress(status);
    CentreOnScreen(this);

    QStringList ids;
    {
        BusyPointer busy;
        ids = select();
    }
    if (ids.isEmpty()) {
        MsgBox(nonePrompt, QMessageBox::Ok, QMessageBox::Information, noneTitle);
        return false;
    }

    // The message above is shown with the ordinary pointer; filling the list is the wait.
    BusyPointer busy;
    progress.setCount(static_cast<int>(ids.size()));
    lstChoices->setUpdatesEnabled(false);
    const QFontMetrics metrics = lstChoices->fontMetrics();
    int widestName = 0;
    int done = 0;
    const ShownIds shown(ids.front());
    for (int i = 0; i < ids.size(); ++i) {
        // The identifier stays in its stored text form here: turning thousands of them into
        // local date-times would cost far more than the whole list. Only the chosen entry
        // becomes a record.
        const Entry entry = makeEntry(i, shown(ids[i]));
        // A screen reader reads the entry as people know it, without the record's identifier.
        entry.item->setData(Qt::AccessibleTextRole, entry.widestPart);
        lstChoices->addItem(entry.item);
        widestName = qMax(widestName, metrics.horizontalAdvance(entry.widestPart));
        progress.step(++done);
    }
    lstChoices->setUpdatesEnabled(true);
    FitListWidth(lstChoices, widestName);
    lstChoices->setCurrentRow(0);
    return true;
}

QListWidgetItem* RosterChooser::ChosenEntry(const QString& choosePrompt, RecordId& id,
                                            const std::function<int(const RecordId&)>& storedCopies) const
{
    QListWidgetItem* item = lstChoices->currentItem();
    if (!item || !item->isSelected()) {
        // Both choosers ask under the same title.
        MsgBox(choosePrompt, QMessageBox::Ok, QMessageBox::NoIcon, tr("Teams"));
        return nullptr;
    }
    const QString stored = item->data(kIdRole).toString();
    const QString name = item->data(kNameRole).toString();
    id = RecordId::fromText(stored);
    if (!RecordId::isStoredForm(stored)) {
        MsgBox(tr("\"%1\" cannot be chosen: its identifier \"%2\" is not a date and time written as "
                  "YYYY-MM-DD HH:MM:SS, so Sidelines cannot tell which record it is. Nothing was changed.")
                   .arg(name, stored),
               QMessageBox::Ok, QMessageBox::Warning, windowTitle());
        id = RecordId();
        return nullptr;
    }
    int copies = 0;
    try {
        copies = storedCopies(id);
    } catch (const DbError& e) {
        // Called from a button inside the window's own event loop: reported here, never thrown
        // through it.
        MsgBox(DescribeFailure(e), QMessageBox::Ok, QMessageBox::Critical, windowTitle());
        id = RecordId();
        return nullptr;
    }
    if (copies > 1) {
        // One arg() call: a name holding "%2" stays as it is.
        MsgBox(tr("\"%1\" cannot be chosen: %2 records share its identifier \"%3\", so Sidelines cannot "
                  "tell them apart. Nothing was changed.")
                   .arg(name, QString::number(copies), stored),
               QMessageBox::Ok, QMessageBox::Warning, windowTitle());
        id = RecordId();
        return nullptr;
    }
    return item;
}

QString ListLineDelegate::NamePart(const QString& line)
{
    const auto tab = line.indexOf(QLatin1Char('\t'));
    return tab < 0 ? line : line.left(tab);
}

QString ListLineDelegate::RestPart(const QString& line)
{
    const auto tab = line.lastIndexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : line.mid(tab + 1);
}

int ListLineDelegate::WidthFor(const QFontMetrics& metrics, int widestName, int widestRest)
{
    return widestName + kColumnGap + widestRest + 2 * kTextMargin + metrics.averageCharWidth();
}

void ListLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString line = opt.text;
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect area = opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QString rest = RestPart(line);
    const int restWidth = opt.fontMetrics.horizontalAdvance(rest);
    const QString name
        = opt.fontMetrics.elidedText(NamePart(line), Qt::ElideRight, qMax(0, area.width() - restWidth - kColumnGap));
    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                      opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, rest);
    painter->restore();
}

QSize ListLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString line = index.data(Qt::DisplayRole).toString();
    size.setWidth(WidthFor(option.fontMetrics, option.fontMetrics.horizontalAdvance(NamePart(line)),
                           option.fontMetrics.horizontalAdvance(RestPart(line))));
    return size;
}

ShownIds::ShownIds(const QString& sampleStoredText)
    : m_sameForm(RecordId::fromText(sampleStoredText).displayText() == sampleStoredText)
{
}

QString ShownIds::operator()(const QString& storedText) const
{
    return m_sameForm ? storedText : RecordId::fromText(storedText).displayText();
}

void FitListWidth(QListWidget* list, int widestName)
{
    // Wide enough for the longest name and the identifier, within reason; longer names are cut
    // with an ellipsis and the window can still be widened.
    const QFontMetrics metrics = list->fontMetrics();
    const int widestRest = metrics.horizontalAdvance(ListLineDelegate::RestPart(list->item(0)->text()));
    const int wanted = ListLineDelegate::WidthFor(metrics, widestName, widestRest)
        + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    list->setMinimumWidth(qBound(480, wanted, 900));
}

bool HasControlCharacters(const QString& name)
{
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (c.category() == QChar::Other_Control || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            return true;
    }
    return false;
}

QString TypedName(const QString& typed)
{
    return typed.trimmed();
}
