#include "storage/RowBlock.h"

#include <charconv>
#include <limits>

namespace {

// A whole number written plainly (no sign but a leading minus, no fraction, no exponent).
bool WholeNumber(std::string_view text, std::int64_t& value)
{
    if (text.empty() || text.front() == '+')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

void RowBlock::addText(std::string_view text)
{
    m_cells.push_back(Cell{Cell::Text, std::uint32_t(text.size()), std::int64_t(m_text.size())});
    m_text += text;
}

std::optional<RowBlock> RowBlock::parse(QByteArrayView rows, const std::vector<bool>& wholeColumns, int carriedFrom)
{
    if (wholeColumns.empty() || wholeColumns.size() > std::size_t(std::numeric_limits<int>::max()))
        return std::nullopt;
    RowBlock block;
    block.m_columns = int(wholeColumns.size());
    const char* at = rows.data();
    const char* const end = at + rows.size();
    std::string value;
    while (at < end) {
        if (at != rows.data() && *at++ != '\n')
            return std::nullopt;
        if (at == end || *at++ != '(')
            return std::nullopt;
        for (std::size_t column = 0; column < wholeColumns.size(); ++column) {
            if (carriedFrom > 0 && column == std::size_t(carriedFrom) && at < end && *at == ')' && block.rowCount() > 0) {
                // Cells name text by place, so the row before's serve as they are.
                const std::size_t before = block.m_cells.size() - column - wholeColumns.size();
                for (std::size_t c = column; c < wholeColumns.size(); ++c) {
                    const Cell carried = block.m_cells[before + c];
                    block.m_cells.push_back(carried);
                }
                break;
            }
            if (column > 0 && (at == end || *at++ != ','))
                return std::nullopt;
            value.clear();
            if (at < end && *at == '"') {
                ++at;
                for (;;) {
                    const char* run = at;
                    while (at < end && *at != '"' && *at != '\\')
                        ++at;
                    value.append(run, at);
                    if (at == end)
                        return std::nullopt;
                    const char c = *at++;
                    if (c == '"') {
                        if (at < end && *at == '"')
                            value += *at++;
                        else
                            break;
                    } else {  // a backslash: the next character as it stands
                        if (at == end)
                            return std::nullopt;
                        value += *at++;
                    }
                }
            } else {
                const char* start = at;
                while (at < end && *at != ',' && *at != ')')
                    ++at;
                if (at == start) {
                    block.addNull();  // an empty place: a null
                    continue;
                }
                value.assign(start, at);
            }
            std::int64_t number = 0;
            if (wholeColumns[column] && WholeNumber(value, number)) {
                block.addNumber(number);
            } else {
                if (value.size() > std::numeric_limits<std::uint32_t>::max())
                    return std::nullopt;
                block.addText(value);
            }
        }
        if (at == end || *at++ != ')')
            return std::nullopt;
    }
    return block;
}
