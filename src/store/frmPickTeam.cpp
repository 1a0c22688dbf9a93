#include "store/frmPickTeam.h"

#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/Database.h"
#include "store/clsTeam.h"

#include <QApplication>
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

frmPickTeam::frmPickTeam(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPickTeam"));
    setWindowTitle(QStringLiteral("Teams"));
    setModal(true);

    lstTeams = new QListWidget(this);
    lstTeams->setObjectName(QStringLiteral("lstTeams"));
    lstTeams->setToolTip(QStringLiteral("List of Teams for you to choose from"));
    lstTeams->setUniformItemSizes(true);
    lstTeams->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTeams->setItemDelegate(new ListLineDelegate(lstTeams));
    lstTeams->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTeams->setTextElideMode(Qt::ElideRight);
    lstTeams->setMinimumSize(480, 260);

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTeams, 1);
    layout->addLayout(buttons);

    setTabOrder(lstTeams, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &frmPickTeam::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPickTeam::reject);
    connect(lstTeams, &QListWidget::itemDoubleClicked, this, &frmPickTeam::cmdOk_Click);
}

frmPickTeam::~frmPickTeam() = default;

QString frmPickTeam::LineText(const QString& name, const QString& idText)
{
    return name + QString(5, QLatin1Char('\t')) + QStringLiteral("TEAM ID: ") + idText;
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

bool frmPickTeam::Load()
{
    ProgressScope progress(QStringLiteral("Loading all the Teams..."));
    CentreOnScreen(this);

    // Insertion order: the order in which the teams were stored.
    std::vector<QSqlRecord> rows;
    {
        BusyPointer busy;
        rows = SelectAll(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY rowid"));
    }
    if (rows.empty()) {
        MsgBox(QStringLiteral("There are no teams loaded."), QMessageBox::Ok, QMessageBox::Information,
               QStringLiteral("Teams"));
        pubOK = false;
        return false;
    }

    // The message above is shown with the ordinary pointer; filling the list is the wait.
    BusyPointer busy;
    const int count = static_cast<int>(rows.size());
    progress.setCount(count);
    lstTeams->setUpdatesEnabled(false);
    const QFontMetrics metrics = lstTeams->fontMetrics();
    int widestName = 0;
    int done = 0;
    const ShownIds shown(rows.front().value(0).toString());
    for (const QSqlRecord& row : rows) {
        // The identifier stays in its stored text form here: turning thousands of them into
        // local date-times would cost far more than the whole list. Only the chosen entry
        // becomes a record.
        const QString idText = row.value(0).toString();
        const QString name = row.value(1).toString();
        auto* item = new QListWidgetItem(LineText(name, shown(idText)));
        item->setData(kIdRole, idText);
        item->setData(kNameRole, name);
        lstTeams->addItem(item);
        widestName = qMax(widestName, metrics.horizontalAdvance(name));
        progress.step(++done);
    }
    lstTeams->setUpdatesEnabled(true);
    FitListWidth(lstTeams, widestName);
    lstTeams->setCurrentRow(0);
    return true;
}

void frmPickTeam::cmdOk_Click()
{
    QListWidgetItem* item = lstTeams->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please Choose a Team Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Teams"));
        return;
    }
    const RecordId id = RecordId::fromText(item->data(kIdRole).toString());
    if (id.isNull())
        return;
    pubPicked = std::make_shared<clsTeam>(id, item->data(kNameRole).toString());
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

// Accepting always goes through the checks of the Ok button.
void frmPickTeam::accept()
{
    cmdOk_Click();
}

// Cancel, Escape and the title-bar close box all end here.
void frmPickTeam::reject()
{
    pubOK = false;
    QDialog::reject();
}

bool PickTeam(const QString& caption)
{
    pubOK = false;
    frmPickTeam chooser;
    if (!chooser.Load())
        return false;
    chooser.setWindowTitle(caption);
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    chooser.exec();
    return pubOK;
}
