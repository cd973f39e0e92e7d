#include "cli/keyboard_drawing.h"

#include "platform/text.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace cli {
namespace {

using installer::Corner;
using installer::KeyCap;
using installer::PictureKey;

// A grid of terminal cells into which keys draw their outlines and legends.
class TextCanvas {
public:
    static constexpr double columnsPerUnit = 5, linesPerUnit = 3;

    TextCanvas(double width, double height)
        : width_(column(width) + 1)
        , cells_(std::size_t((line(height) + 1) * width_))
    {
    }

    static int column(double x) { return int(std::lround(x * columnsPerUnit)); }
    static int line(double y) { return int(std::lround(y * linesPerUnit)); }

    void drawOutline(const std::vector<installer::Point>& points)
    {
        for (std::size_t i = 0; i < points.size(); ++i) {
            const installer::Point from = points[i], to = points[(i + 1) % points.size()];
            const int c0 = column(from.x), c1 = column(to.x), l0 = line(from.y), l1 = line(to.y);
            if (l0 == l1)
                for (int c = std::min(c0, c1); c <= std::max(c0, c1); ++c)
                    mark(l0, c, (c > std::min(c0, c1) ? left : 0) | (c < std::max(c0, c1) ? right : 0));
            else
                for (int l = std::min(l0, l1); l <= std::max(l0, l1); ++l)
                    mark(l, c0, (l > std::min(l0, l1) ? up : 0) | (l < std::max(l0, l1) ? down : 0));
        }
    }

    // Writes the text from `first` to the right, or ending at `first` when `fromRight`, in at most
    // `room` columns; what does not fit ends in "…". Returns the columns taken.
    int write(int atLine, int first, int room, const std::string& text, bool fromRight = false)
    {
        std::vector<std::pair<std::string, int>> glyphs;  // a character and the marks on it, its columns
        int width = 0;
        for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
            length = platform::codePointAt(text, at).length;
            const int wide = int(platform::displayWidth(std::string_view(text).substr(at, length)));
            if (wide == 0 && !glyphs.empty())
                glyphs.back().first += text.substr(at, length);
            else
                glyphs.push_back({text.substr(at, length), std::max(wide, 1)}), width += std::max(wide, 1);
        }
        if (width > room) {
            while (!glyphs.empty() && width > room - 1)
                width -= glyphs.back().second, glyphs.pop_back();
            glyphs.push_back({"…", 1}), ++width;
        }
        int c = fromRight ? first - width + 1 : first;
        for (const auto& [glyph, wide] : glyphs) {
            if (Cell* cell = at(atLine, c))
                cell->glyph = glyph;
            for (int i = 1; i < wide; ++i)
                if (Cell* right = at(atLine, c + i))
                    right->covered = true;
            c += wide;
        }
        return width;
    }

    std::string text() const
    {
        static const char* const boxes[16] = {" ", "─", "─", "─", "│", "╯", "╰", "┴",
                                              "│", "╮", "╭", "┬", "│", "┤", "├", "┼"};
        std::string all;
        for (std::size_t start = 0; start < cells_.size(); start += std::size_t(width_)) {
            std::string row;
            for (std::size_t i = start; i < start + std::size_t(width_); ++i)
                if (!cells_[i].covered)
                    row += !cells_[i].glyph.empty() ? cells_[i].glyph : boxes[cells_[i].lines];
            all += row.substr(0, row.find_last_not_of(' ') + 1) + '\n';
        }
        return all;
    }

private:
    static constexpr unsigned left = 1, right = 2, up = 4, down = 8;
    struct Cell {
        unsigned lines = 0;
        std::string glyph;
        bool covered = false;  // by a wide character to its left
    };

    // The cell, or none for a place off the canvas, which the geometry never gives.
    Cell* at(int atLine, int atColumn)
    {
        if (atColumn < 0 || atColumn >= width_ || atLine < 0 || std::size_t(atLine * width_) >= cells_.size())
            return nullptr;
        return &cells_[std::size_t(atLine * width_ + atColumn)];
    }

    void mark(int atLine, int atColumn, unsigned directions)
    {
        if (Cell* cell = at(atLine, atColumn))
            cell->lines |= directions;
    }

    int width_;
    std::vector<Cell> cells_;
};

void drawKey(TextCanvas& canvas, const PictureKey& key)
{
    const KeyCap& cap = key.cap;
    canvas.drawOutline(installer::outline(cap));
    // The cells inside the outline; the ISO Return's lower half is where its legends go.
    const double top = cap.step > 0 ? cap.box.y + cap.box.height / 2 : cap.box.y;
    const int first = TextCanvas::column(cap.box.x + cap.step) + 1,
              last = TextCanvas::column(cap.box.x + cap.box.width) - 1;
    const int upper = TextCanvas::line(top) + 1, lower = TextCanvas::line(cap.box.y + cap.box.height) - 1;
    const int room = last - first + 1;
    if (lower < upper || room <= 0)
        return;
    if (key.legends.empty()) {
        const std::string symbol(cap.symbol);
        canvas.write(lower, first + std::max(0, room - int(platform::displayWidth(symbol))) / 2, room, symbol);
        return;
    }
    for (const installer::Legend& legend : key.legends) {
        const bool top = legend.corner == Corner::upperLeft || legend.corner == Corner::upperRight;
        const bool right = legend.corner == Corner::lowerRight || legend.corner == Corner::upperRight;
        if (top && upper == lower)
            continue;  // a half-high key has room for one line
        canvas.write(top ? upper : lower, right ? last : first, right ? room / 2 : room - room / 2, legend.text, right);
    }
}

// What a dead key is called in the list below a text picture: where it is and what it shows.
std::string deadKeyList(const installer::KeyboardModel& model)
{
    std::string list;
    for (const installer::KeyOutputs& key : model.keys)
        for (const installer::Layer layer : installer::allLayers) {
            if (!key.isDead(layer))
                continue;
            const std::string shown = installer::visibleText(key[layer]),
                              name = installer::visibleText(key[installer::Layer::none]);
            list += (list.empty() ? "" : ", ") + (shown.empty() ? std::string("◌") : shown) + " ("
                + (layer == installer::Layer::none ? "" : std::string(installer::layerName(layer)) + ", ")
                + (name.empty() || key.isDead(installer::Layer::none) ? "code " + std::to_string(key.code)
                                                                      : "key " + name)
                + ")";
        }
    return list.empty() ? list : "Dead keys, which type nothing until the next key: " + list + "\n";
}

QString number(double value)
{
    return QString::number(std::round(value * 10) / 10);
}

}  // namespace

std::string textDrawing(const installer::KeyboardModel& model, installer::KeyboardShape shape)
{
    const installer::KeyboardPicture picture = installer::keyboardPicture(model, shape);
    TextCanvas canvas(picture.geometry->width, picture.geometry->height);
    for (const PictureKey& key : picture.keys)
        drawKey(canvas, key);
    return model.name + " (" + model.file + ")\n" + canvas.text() + deadKeyList(model);
}

QByteArray svgDrawing(const std::vector<installer::KeyboardModel>& models, installer::KeyboardShape shape)
{
    constexpr double unit = 56, margin = 16, title = 30, fontSize = 0.26 * unit, symbolSize = 0.3 * unit;
    const installer::KeyboardGeometry& geometry = installer::keyboardGeometry(shape);
    const double boardHeight = title + geometry.height * unit + margin;
    const double width = geometry.width * unit + 2 * margin, height = margin + double(models.size()) * boardHeight;

    QByteArray document;
    QXmlStreamWriter svg(&document);
    svg.setAutoFormatting(true);
    svg.writeStartDocument();
    svg.writeStartElement(QStringLiteral("svg"));
    svg.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    for (const auto& [name, value] : {std::pair{"width", number(width)},
                                      {"height", number(height)},
                                      {"viewBox", "0 0 " + number(width) + " " + number(height)},
                                      {"font-family", "-apple-system, 'Helvetica Neue', Helvetica, Arial, sans-serif"}})
        svg.writeAttribute(QString::fromLatin1(name), value);
    const auto text = [&](const char* kind, double x, double y, const char* anchor, double size,
                          const std::string& content, bool dead = false) {
        svg.writeStartElement(QStringLiteral("text"));
        svg.writeAttribute(QStringLiteral("class"), QString::fromLatin1(kind));
        svg.writeAttribute(QStringLiteral("x"), number(x));
        svg.writeAttribute(QStringLiteral("y"), number(y));
        svg.writeAttribute(QStringLiteral("text-anchor"), QString::fromLatin1(anchor));
        svg.writeAttribute(QStringLiteral("font-size"), number(size));
        svg.writeAttribute(QStringLiteral("fill"), dead ? QStringLiteral("#007aff") : QStringLiteral("#1d1d1f"));
        if (dead)
            svg.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
        svg.writeCharacters(QString::fromStdString(content));
        svg.writeEndElement();
    };

    for (std::size_t board = 0; board < models.size(); ++board) {
        const installer::KeyboardPicture picture = installer::keyboardPicture(models[board], shape);
        const double top = margin + double(board) * boardHeight;
        text("name", margin, top + 0.7 * title, "start", 18, models[board].name);
        svg.writeStartElement(QStringLiteral("g"));
        svg.writeAttribute(QStringLiteral("transform"),
                           "translate(" + number(margin) + " " + number(top + title) + ")");
        for (const PictureKey& key : picture.keys) {
            const std::vector<installer::Point> corners = installer::outline(key.cap, installer::keyGap / 2);
            if (corners.size() == 4) {
                svg.writeEmptyElement(QStringLiteral("rect"));
                for (const auto& [name, value] : {std::pair{"x", corners[0].x},
                                                  {"y", corners[0].y},
                                                  {"width", corners[2].x - corners[0].x},
                                                  {"height", corners[2].y - corners[0].y},
                                                  {"rx", 0.08}})
                    svg.writeAttribute(QString::fromLatin1(name), number(value * unit));
            } else {
                QString path;
                for (const installer::Point& point : corners)
                    path += (path.isEmpty() ? QStringLiteral("M") : QStringLiteral(" L")) + number(point.x * unit) + ' '
                        + number(point.y * unit);
                svg.writeEmptyElement(QStringLiteral("path"));
                svg.writeAttribute(QStringLiteral("d"), path + QStringLiteral(" Z"));
            }
            svg.writeAttribute(QStringLiteral("fill"),
                               key.cap.symbol.empty() ? QStringLiteral("#fbfbfd") : QStringLiteral("#e8e8ed"));
            svg.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#a1a1a6"));
            svg.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));

            const installer::Box area = installer::legendArea(key.cap);
            if (key.legends.empty() && !key.cap.symbol.empty())
                text("symbol", (area.x + area.width / 2) * unit, (area.y + area.height / 2) * unit + 0.35 * symbolSize,
                     "middle", symbolSize, std::string(key.cap.symbol));
            for (const installer::Legend& legend : key.legends) {
                const bool upper = legend.corner == Corner::upperLeft || legend.corner == Corner::upperRight;
                const bool right = legend.corner == Corner::lowerRight || legend.corner == Corner::upperRight;
                text("legend", (right ? area.x + area.width : area.x) * unit,
                     upper ? area.y * unit + 0.8 * fontSize : (area.y + area.height) * unit - 0.1 * fontSize,
                     right ? "end" : "start", fontSize, legend.text, legend.dead);
            }
        }
        svg.writeEndElement();
    }
    svg.writeEndDocument();
    return document;
}

}  // namespace cli
