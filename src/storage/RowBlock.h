#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rows of one table as the club server sends them, each row in PostgreSQL's own text form of
// a row value, one after another on lines of their own: (2,"a b",,plain) with an empty place for
// a null, a text quoted where it is empty or holds a quote, backslash, parenthesis, comma or
// space, and a quote or backslash inside doubled. The server writes that form about three times
// faster than JSON. Taken apart once on the thread that fetched them and kept compactly (one
// buffer of text, one small cell per value), so that the thread that writes them only binds
// values. A column marked whole keeps its values as numbers where they are whole numbers.
class RowBlock
{
public:
    struct Cell
    {
        enum Kind : std::uint8_t { Null, Number, Text };
        Kind kind = Null;
        std::uint32_t length = 0;  // of a text
        std::int64_t value = 0;    // a number, or where a text starts in the buffer
    };

    RowBlock() = default;
    // An empty block to be filled value by value, row after row.
    explicit RowBlock(int columns) : m_columns(columns) {}
    void addNull() { m_cells.push_back(Cell{}); }
    void addNumber(std::int64_t value) { m_cells.push_back(Cell{Cell::Number, 0, value}); }
    void addText(std::string_view text);

    // Nothing when the text is not such rows, or a row has another number of values than
    // wholeColumns has columns. An empty text is no rows (the server's empty aggregate). With
    // carriedFrom, a row (not the first) may stop after that many values: the rest are the row
    // before's.
    static std::optional<RowBlock> parse(QByteArrayView rows, const std::vector<bool>& wholeColumns, int carriedFrom = 0);

    int columnCount() const { return m_columns; }
    std::size_t rowCount() const { return m_columns == 0 ? 0 : m_cells.size() / std::size_t(m_columns); }
    const Cell& cell(std::size_t row, int column) const { return m_cells[row * std::size_t(m_columns) + std::size_t(column)]; }
    std::string_view text(const Cell& cell) const { return std::string_view(m_text).substr(std::size_t(cell.value), cell.length); }

private:
    int m_columns = 0;
    std::string m_text;
    std::vector<Cell> m_cells;
};
