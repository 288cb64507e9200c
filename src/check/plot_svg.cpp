#include "plot_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nodewick::check {
namespace {

constexpr double kViewSize = 520;  // pixels, the longer side of each view
constexpr double kMargin = 30;
constexpr double kGap = 60;
constexpr double kTitleHeight = 40;
constexpr double kFooterHeight = 70;
constexpr double kSmallest = 2.0;  // pixels: a point stays visible however small

struct Extent {
    std::int64_t left = 0, bottom = 0, right = 0, top = 0;
    std::int64_t width() const { return std::max<std::int64_t>(right - left, 1); }
    std::int64_t height() const { return std::max<std::int64_t>(top - bottom, 1); }
};

Extent ExtentOf(const Netlist& netlist)
{
    Extent extent;
    if (netlist.records.empty())
        return extent;
    extent.left = extent.right = netlist.records.front().x;
    extent.bottom = extent.top = netlist.records.front().y;
    for (const TestRecord& record : netlist.records) {
        extent.left = std::min(extent.left, record.x);
        extent.right = std::max(extent.right, record.x);
        extent.bottom = std::min(extent.bottom, record.y);
        extent.top = std::max(extent.top, record.y);
    }
    return extent;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number(text);
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            // Single-byte texts of the netlist: anything beyond ASCII is
            // shown as its code, so that the document stays valid UTF-8.
            if (static_cast<unsigned char>(c) >= 0x80)
                escaped += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
            else
                escaped += c;
        }
    }
    return escaped;
}

// One side's view: where netlist coordinates land on the page.
struct View {
    Extent extent;
    double scale = 1;  // pixels per netlist unit
    double left = 0;   // page position of the view's top left corner
    double top = 0;
    bool mirrored = false;

    double pageX(double x) const
    {
        const double along = mirrored ? extent.right - x : x - extent.left;
        return left + along * scale;
    }
    double pageY(double y) const { return top + (extent.top - y) * scale; }
    double width() const { return extent.width() * scale; }
    double height() const { return extent.height() * scale; }
};

bool Shows(Side side, bool bottomView)
{
    return side == Side::Both || side == (bottomView ? Side::Bottom : Side::Top);
}

class Plotter {
public:
    Plotter(const Netlist& netlist, const PlotOptions& options) : netlist_(netlist), options_(options)
    {
        const Extent extent = ExtentOf(netlist);
        // A margin of a twentieth of the longer side keeps the outermost
        // pads inside the frame.
        const std::int64_t pad = std::max(extent.width(), extent.height()) / 20 + 1;
        const Extent framed{extent.left - pad, extent.bottom - pad, extent.right + pad, extent.top + pad};
        const double scale = kViewSize / static_cast<double>(std::max(framed.width(), framed.height()));
        top_ = View{framed, scale, kMargin, kMargin + kTitleHeight, false};
        bottom_ = View{framed, scale, kMargin + top_.width() + kGap, kMargin + kTitleHeight, true};
        bottomAccess_ = netlist.bottomAccess();
        if (options.highlight) {
            const auto found = std::find(netlist.netNames.begin(), netlist.netNames.end(), *options.highlight);
            if (found != netlist.netNames.end())
                highlight_ = static_cast<std::uint32_t>(found - netlist.netNames.begin());
        }
    }

    std::string draw()
    {
        const double pageWidth = bottom_.left + bottom_.width() + kMargin;
        const double pageHeight = top_.top + top_.height() + kFooterHeight;
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(pageWidth) + "\" height=\"" +
            Number(pageHeight) + "\" viewBox=\"0 0 " + Number(pageWidth) + " " + Number(pageHeight) +
            "\" font-family=\"sans-serif\" font-size=\"13\">\n";
        out_ += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
        out_ += text(kMargin, kMargin + 14,
                     Escaped(options_.title) + " — " + std::to_string(netlist_.records.size()) + " test points, " +
                         std::to_string(netlist_.netNames.size()) + " nets" + highlightCaption(),
                     "font-size=\"15\" font-weight=\"bold\"");
        drawView(top_, false, "Top side, seen from above");
        drawView(bottom_, true, "Bottom side, seen from below (mirrored)");
        drawScaleBar();
        drawLegend();
        out_ += "</svg>\n";
        return std::move(out_);
    }

private:
    std::string highlightCaption() const
    {
        if (!options_.highlight)
            return {};
        return highlight_ ? ", net " + Escaped(*options_.highlight) + " highlighted"
                          : ", net " + Escaped(*options_.highlight) + " not in the netlist";
    }

    static std::string text(double x, double y, const std::string& content, const std::string& attributes = {})
    {
        return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\"" + (attributes.empty() ? "" : " " + attributes) +
            ">" + content + "</text>\n";
    }

    void drawView(const View& view, bool bottomView, const std::string& caption)
    {
        out_ += text(view.left, view.top - 8, caption);
        out_ += "<rect x=\"" + Number(view.left) + "\" y=\"" + Number(view.top) + "\" width=\"" + Number(view.width()) +
            "\" height=\"" + Number(view.height()) + "\" fill=\"#f4f7f2\" stroke=\"#888\" stroke-dasharray=\"6 4\"/>\n";
        out_ += "<g>\n";
        // The highlighted net last, on top of the others.
        for (int pass = 0; pass < 2; ++pass)
            for (const TestRecord& record : netlist_.records)
                if (Shows(SideOf(record.access, bottomAccess_), bottomView) &&
                    (highlight_ && record.net == *highlight_) == (pass == 1))
                    drawPoint(view, record);
        out_ += "</g>\n";
    }

    void drawPoint(const View& view, const TestRecord& record)
    {
        const bool faint = highlight_ && record.net != *highlight_;
        const std::string colour = faint ? "#c8c8c8" : NetColour(record.net);
        const std::string stroke = highlight_ && !faint ? " stroke=\"black\" stroke-width=\"1\"" : "";
        const double x = view.pageX(static_cast<double>(record.x));
        const double y = view.pageY(static_cast<double>(record.y));
        const std::string title = "<title>" + Escaped(netlist_.netNames[record.net]) + " " + Escaped(record.refDes) +
            "-" + Escaped(record.pin) + ", line " + std::to_string(record.line) + "</title>";
        const double drill = record.drill ? std::max(kSmallest, *record.drill * view.scale) : kSmallest * 2;
        if (record.kind == RecordKind::Tooling) {
            out_ += circle(x, y, drill / 2, "fill=\"none\" stroke=\"" + colour + "\"", title);
        } else if (record.isVia()) {
            out_ += circle(x, y, std::max(drill / 2, kSmallest),
                           "fill=\"white\" stroke=\"" + colour + "\" stroke-width=\"" +
                               Number(std::max(1.0, drill / 3)) + "\"",
                           title);
        } else if (record.kind == RecordKind::Surface) {
            const Size size = record.size.value_or(Size{});
            const double w = std::max(kSmallest, static_cast<double>(size.width) * view.scale);
            const double h = std::max(kSmallest, static_cast<double>(size.height) * view.scale);
            // Counter-clockwise on the board; the page's y runs down, and the
            // view from below turns the other way again.
            const double turn = record.rotation.value_or(0) * (view.mirrored ? 1 : -1);
            out_ += "<rect x=\"" + Number(x - w / 2) + "\" y=\"" + Number(y - h / 2) + "\" width=\"" + Number(w) +
                "\" height=\"" + Number(h) + "\" fill=\"" + colour + "\"" + stroke +
                (turn == 0 ? std::string()
                           : " transform=\"rotate(" + Number(turn) + " " + Number(x) + " " + Number(y) + ")\"") +
                ">" + title + "</rect>\n";
        } else {
            out_ += circle(x, y, std::max(drill, kSmallest * 2) / 2, "fill=\"" + colour + "\"" + stroke, title);
        }
    }

    static std::string circle(double x, double y, double r, const std::string& attributes, const std::string& title)
    {
        return "<circle cx=\"" + Number(x) + "\" cy=\"" + Number(y) + "\" r=\"" + Number(r) + "\" " + attributes + ">" +
            title + "</circle>\n";
    }

    void drawScaleBar()
    {
        const NetlistUnits units = netlist_.unitsOrInch();
        const std::int64_t length = ScaleBarLength(top_.extent.width(), units);
        const double x = top_.left;
        const double y = top_.top + top_.height() + 30;
        const double w = static_cast<double>(length) * top_.scale;
        out_ += "<path d=\"M" + Number(x) + " " + Number(y - 5) + " v5 h" + Number(w) +
            " v-5\" fill=\"none\" "
            "stroke=\"black\" stroke-width=\"1.5\"/>\n";
        const std::int64_t perUnit = units == NetlistUnits::Inch ? 10 : 1000;
        out_ += text(x + w + 8, y, std::to_string(length / perUnit) + (units == NetlistUnits::Inch ? " mil" : " mm"));
    }

    void drawLegend()
    {
        const double y = top_.top + top_.height() + 55;
        double x = top_.left;
        const auto entry = [&](const std::string& shape, const std::string& label) {
            out_ += shape;
            out_ += text(x + 12, y + 4, label);
            x += 20 + 7.5 * static_cast<double>(label.size());
        };
        entry("<rect x=\"" + Number(x - 4) + "\" y=\"" + Number(y - 3) +
                  "\" width=\"8\" height=\"6\" fill=\"#555\"/>\n",
              "surface pad");
        entry(circle(x, y, 4, "fill=\"#555\"", ""), "drilled pad");
        entry(circle(x, y, 3, "fill=\"white\" stroke=\"#555\" stroke-width=\"2\"", ""), "via");
        entry(circle(x, y, 4, "fill=\"none\" stroke=\"#555\"", ""), "tooling hole");
        out_ += text(x, y + 4, "colour: net; dashed frame: extent of the test points", "fill=\"#555\"");
    }

    const Netlist& netlist_;
    const PlotOptions& options_;
    View top_;
    View bottom_;
    std::int32_t bottomAccess_ = 2;
    std::optional<std::uint32_t> highlight_;
    std::string out_;
};

}  // namespace

std::string NetColour(std::uint32_t net)
{
    // The golden angle keeps neighbouring hues apart; saturation and
    // lightness stay where colours read well on a light ground.
    const double hue = std::fmod(static_cast<double>(net) * 137.508, 360.0);
    return "hsl(" + Number(hue) + ",70%,42%)";
}

std::int64_t ScaleBarLength(std::int64_t width, NetlistUnits units)
{
    const std::int64_t perUnit = units == NetlistUnits::Inch ? 10 : 1000;  // netlist units per mil or mm
    std::int64_t best = perUnit;
    for (std::int64_t power = perUnit; power <= width; power *= 10)
        for (const std::int64_t step : {1, 2, 5})
            if (step * power * 5 <= width)
                best = step * power;
    return best;
}

std::string PlotSvg(const Netlist& netlist, const PlotOptions& options)
{
    return Plotter(netlist, options).draw();
}

}  // namespace nodewick::check
