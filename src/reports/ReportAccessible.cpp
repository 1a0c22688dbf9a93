#include "reports/ReportAccessible.h"

#include "reports/ReportData.h"
#include "reports/ReportOutline.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

const char* const kReportPage = "a11yReportPage";

class Page;

// A piece of the page: a heading, a paragraph, a chart, a table or one of its cells. It lives as
// long as the page's reading of the document it was made from.
class Piece : public QAccessibleInterface
{
public:
    Piece(Page* page, QAccessibleInterface* parent, QAccessible::Role role, QString name)
        : m_page(page), m_parent(parent), m_role(role), m_name(std::move(name))
    {
    }
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_name : t == QAccessible::Description ? m_description : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    // Where it stands is the page's: the document lays its pieces out, not widgets.
    QRect rect() const override { return m_parent->rect(); }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void setDescription(QString d) { m_description = std::move(d); }

protected:
    Page* m_page;
    QAccessibleInterface* m_parent;

private:
    QAccessible::Role m_role;
    QString m_name;
    QString m_description;
};

class TablePiece;

class Cell : public Piece, public QAccessibleTableCellInterface
{
public:
    Cell(Page* page, TablePiece* table, int row, int column, QAccessible::Role role, const QString& text);
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    TablePiece* m_table;
    int m_row, m_column;
};

class TablePiece : public Piece, public QAccessibleTableInterface
{
public:
    TablePiece(Page* page, QAccessibleInterface* parent, Outline::Table table)
        : Piece(page, parent, QAccessible::Table, table.name), m_table(std::move(table))
    {
        for (int r = 0; r < m_table.rows.size(); ++r)
            for (int c = 0; c < columnCount(); ++c) {
                const QAccessible::Role role = r < m_table.headerRows                ? QAccessible::ColumnHeader
                    : m_table.rowHeaders() && c == 0 ? QAccessible::RowHeader
                                                     : QAccessible::Cell;
                auto* cell = new Cell(page, this, r, c, role, m_table.rows[r].value(c));
                m_cells << QAccessible::registerAccessibleInterface(cell);
            }
    }
    ~TablePiece() override
    {
        for (QAccessible::Id id : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < m_cells.size() ? QAccessible::accessibleInterface(m_cells[index]) : nullptr;
    }
    int childCount() const override { return int(m_cells.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(m_cells.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))));
    }

    // QAccessibleTableInterface: the rows as they stand, header rows first.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount() ? child(row * columnCount() + column)
                                                                                     : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return m_table.headerRows > 0 ? m_table.rows.first().value(column) : QString();
    }
    QString rowDescription(int row) const override
    {
        return m_table.rowHeaders() ? m_table.rows.value(row).value(0) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return m_table.columnCount(); }
    int rowCount() const override { return int(m_table.rows.size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

    int headerRows() const { return m_table.headerRows; }
    bool rowHeaders() const { return m_table.rowHeaders(); }

private:
    Outline::Table m_table;
    QList<QAccessible::Id> m_cells;
};

Cell::Cell(Page* page, TablePiece* table, int row, int column, QAccessible::Role role, const QString& text)
    : Piece(page, table, role, text), m_table(table), m_row(row), m_column(column)
{
}

QList<QAccessibleInterface*> Cell::columnHeaderCells() const
{
    QList<QAccessibleInterface*> heads;
    for (int r = 0; r < m_table->headerRows() && r < m_row; ++r)
        heads << m_table->cellAt(r, m_column);
    return heads;
}

QList<QAccessibleInterface*> Cell::rowHeaderCells() const
{
    if (!m_table->rowHeaders() || m_column == 0)
        return {};
    return {m_table->cellAt(m_row, 0)};
}

QAccessibleInterface* Cell::table() const
{
    return m_table;
}

// The preview's page: the report's pieces in reading order, read again whenever the document has
// changed.
class Page : public QAccessibleWidget
{
public:
    Page(QWidget* viewport, QTextBrowser* preview)
        : QAccessibleWidget(viewport, QAccessible::Document), m_preview(preview)
    {
    }
    ~Page() override { clear(); }

    bool alive() const { return !m_preview.isNull(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && m_preview)
            return m_preview->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* child(int index) const override
    {
        read();
        return index >= 0 && index < m_pieces.size() ? QAccessible::accessibleInterface(m_pieces[index]) : nullptr;
    }
    int childCount() const override
    {
        read();
        return int(m_pieces.size());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        read();
        return int(m_pieces.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child))));
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    void clear() const
    {
        for (QAccessible::Id id : m_pieces)
            QAccessible::deleteAccessibleInterface(id);
        m_pieces.clear();
    }

    void read() const
    {
        if (!m_preview || m_revision == m_preview->document()->revision())
            return;
        clear();
        m_revision = m_preview->document()->revision();
        auto* self = const_cast<Page*>(this);
        for (const Outline::Item& item : Outline::Read(*m_preview->document())) {
            switch (item.kind) {
            case Outline::Item::Kind::Heading:
                m_pieces << QAccessible::registerAccessibleInterface(
                    new Piece(self, self, QAccessible::Heading, item.text));
                break;
            case Outline::Item::Kind::Paragraph:
            case Outline::Item::Kind::Note:
                m_pieces << QAccessible::registerAccessibleInterface(
                    new Piece(self, self, QAccessible::Paragraph, item.text));
                break;
            case Outline::Item::Kind::Table:
                m_pieces << QAccessible::registerAccessibleInterface(new TablePiece(self, self, item.table));
                break;
            case Outline::Item::Kind::Charts:
                for (const TeamNumbers::Flow& flow : item.charts)
                    m_pieces << QAccessible::registerAccessibleInterface(
                        new Piece(self, self, QAccessible::Graphic, ScoreFlowCaption(flow)));
                break;
            }
        }
    }

    QPointer<QTextBrowser> m_preview;
    mutable QList<QAccessible::Id> m_pieces;
    mutable int m_revision = -1;
};

bool Piece::isValid() const
{
    return m_page->alive();
}

QAccessibleInterface* ReportPages(const QString&, QObject* object)
{
    auto* viewport = qobject_cast<QWidget*>(object);
    if (!viewport)
        return nullptr;
    auto* preview = qobject_cast<QTextBrowser*>(viewport->property(kReportPage).value<QObject*>());
    return preview ? new Page(viewport, preview) : nullptr;
}

} // namespace

void ExposeReportTables(QTextBrowser* preview)
{
    static const bool installed = [] {
        QAccessible::installFactory(ReportPages);
        return true;
    }();
    Q_UNUSED(installed);
    preview->viewport()->setProperty(kReportPage, QVariant::fromValue<QObject*>(preview));
}
