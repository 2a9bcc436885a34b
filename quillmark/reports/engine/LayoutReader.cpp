#include "quillmark/reports/engine/LayoutReader.h"

#include "quillmark/reports/engine/ReportError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace quillmark::report {

namespace {

// Where in the layout the reader is, for the error descriptions.
class Place {
public:
    explicit Place(QString text) : m_text(std::move(text)) {}
    Place within(const QString& part) const { return Place(m_text + QStringLiteral(", ") + part); }
    [[noreturn]] void fail(const QString& what) const {
        throw ReportError(m_text + QStringLiteral(": ") + what);
    }

private:
    QString m_text;
};

constexpr int MaxFontPoints = 1000;

int twips(const QJsonValue& value, const Place& place, const QString& what) {
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number != std::floor(number) || number > 1e6) {
        place.fail(QStringLiteral("%1 must be a whole number of twips, 0 or more.").arg(what));
    }
    return static_cast<int>(number);
}

std::vector<int> twipsList(const QJsonValue& value, qsizetype count, const Place& place,
                           const QString& what) {
    const QJsonArray array = value.toArray();
    if (array.size() != count) {
        place.fail(QStringLiteral("%1 must list %2 numbers.").arg(what).arg(count));
    }
    std::vector<int> numbers;
    for (const QJsonValue& v : array) {
        numbers.push_back(twips(v, place, what));
    }
    return numbers;
}

QColor colour(const QJsonValue& value, const Place& place) {
    const QColor c = QColor::fromString(value.toString());
    if (!c.isValid()) {
        place.fail(QStringLiteral("\"%1\" is not a colour.").arg(value.toString()));
    }
    return c;
}

PageSetup readPage(const QJsonObject& page, const Place& place) {
    PageSetup setup;
    const QString paper = page.value(QLatin1String("paper")).toString();
    if (paper == QLatin1String("Letter")) {
        setup.paper = QPageSize::Letter;
    } else if (paper == QLatin1String("A4")) {
        setup.paper = QPageSize::A4;
    } else if (paper == QLatin1String("Legal")) {
        setup.paper = QPageSize::Legal;
    } else {
        place.fail(QStringLiteral("unknown paper \"%1\".").arg(paper));
    }
    const QString orientation = page.value(QLatin1String("orientation")).toString();
    if (orientation == QLatin1String("landscape")) {
        setup.orientation = QPageLayout::Landscape;
    } else if (orientation != QLatin1String("portrait")) {
        place.fail(QStringLiteral("unknown orientation \"%1\".").arg(orientation));
    }
    const auto m = twipsList(page.value(QLatin1String("margins")), 4, place,
                             QStringLiteral("The margins (left, top, right, bottom)"));
    setup.margins = QMargins(m[0], m[1], m[2], m[3]);
    if (setup.printableRect().isEmpty()) {
        place.fail(QStringLiteral("the margins leave no room on the paper."));
    }
    return setup;
}

FontSpec readFont(const QJsonObject& font, const Place& place) {
    FontSpec spec;
    spec.family = font.value(QLatin1String("family")).toString();
    spec.pointSize = font.value(QLatin1String("size")).toDouble(0);
    // 0 (or none) takes the layout's size; a size past any paper would also
    // overflow the pixel size the painter works out from it.
    if (!(spec.pointSize >= 0 && spec.pointSize <= MaxFontPoints)) {
        place.fail(QStringLiteral("the font size must be from 0 to %1 points.").arg(MaxFontPoints));
    }
    spec.bold = font.value(QLatin1String("bold")).toBool();
    spec.italic = font.value(QLatin1String("italic")).toBool();
    return spec;
}

Qt::Alignment alignment(const QJsonValue& value, const Place& place) {
    const QString text = value.toString(QStringLiteral("left"));
    if (text == QLatin1String("left")) {
        return Qt::AlignLeft;
    }
    if (text == QLatin1String("center")) {
        return Qt::AlignHCenter;
    }
    if (text == QLatin1String("right")) {
        return Qt::AlignRight;
    }
    place.fail(QStringLiteral("unknown alignment \"%1\".").arg(text));
}

ControlKind controlKind(const QString& type, const Place& place) {
    static const std::pair<const char*, ControlKind> kinds[] = {
        {"label", ControlKind::Label},
        {"field", ControlKind::Field},
        {"sum", ControlKind::Sum},
        {"pageNumber", ControlKind::PageNumber},
        {"pageCount", ControlKind::PageCount},
        {"line", ControlKind::Line},
        {"box", ControlKind::Box},
    };
    for (const auto& [name, kind] : kinds) {
        if (type == QLatin1String(name)) {
            return kind;
        }
    }
    place.fail(QStringLiteral("unknown control type \"%1\".").arg(type));
}

// Data fields need rows: group sections show their group's rows, the detail
// its own; the other sections have none.
void checkBinding(const ReportControl& control, SectionKind section, const Place& place) {
    const bool groupSection = groupLevelOf(section) != 0;
    const bool needsField = control.kind == ControlKind::Field || control.kind == ControlKind::Sum;
    if (needsField && control.dataField.isEmpty()) {
        place.fail(QStringLiteral("a field or sum needs a data field."));
    }
    if (control.kind == ControlKind::Field && !control.isNow() && !groupSection &&
        section != SectionKind::Detail) {
        place.fail(QStringLiteral("data fields can only stand in group and detail sections."));
    }
    if (control.kind == ControlKind::Sum) {
        if (control.isNow()) {
            place.fail(QStringLiteral("\"=now()\" cannot be summed."));
        }
        if (control.scope == SumScope::Group && !groupSection) {
            place.fail(QStringLiteral("a group sum can only stand in a group section."));
        }
    }
}

void checkInside(const ReportControl& control, int width, int height, const Place& place) {
    const QRect area(0, 0, width, height);
    const bool inside = control.kind == ControlKind::Line
                            ? area.adjusted(0, 0, 1, 1).contains(control.line.p1()) &&
                                  area.adjusted(0, 0, 1, 1).contains(control.line.p2())
                            : area.contains(control.rect);
    if (!inside) {
        place.fail(QStringLiteral("the control does not fit in its section (%1 x %2 twips).")
                       .arg(width)
                       .arg(height));
    }
}

ReportControl readControl(const QJsonObject& object, const ReportSection& section, int width,
                          const Place& sectionPlace) {
    ReportControl c;
    c.name = object.value(QLatin1String("name")).toString();
    const Place place = sectionPlace.within(c.name.isEmpty() ? QStringLiteral("a control")
                                                             : QStringLiteral("control ") + c.name);
    c.kind = controlKind(object.value(QLatin1String("type")).toString(), place);
    if (c.kind == ControlKind::Line) {
        const auto p = twipsList(object.value(QLatin1String("line")), 4, place,
                                 QStringLiteral("A line (x1, y1, x2, y2)"));
        c.line = QLine(p[0], p[1], p[2], p[3]);
    } else {
        const auto r = twipsList(object.value(QLatin1String("rect")), 4, place,
                                 QStringLiteral("A rectangle (x, y, width, height)"));
        c.rect = QRect(r[0], r[1], r[2], r[3]);
    }
    c.text = object.value(QLatin1String("text")).toString();
    c.dataField = object.value(QLatin1String("dataField")).toString();
    c.format = object.value(QLatin1String("format")).toString();
    const QString scope = object.value(QLatin1String("scope")).toString(QStringLiteral("group"));
    if (scope != QLatin1String("group") && scope != QLatin1String("report")) {
        place.fail(QStringLiteral("unknown sum scope \"%1\".").arg(scope));
    }
    c.scope = scope == QLatin1String("report") ? SumScope::Report : SumScope::Group;
    c.alignment = alignment(object.value(QLatin1String("align")), place);
    c.font = readFont(object.value(QLatin1String("font")).toObject(), place);
    if (object.contains(QLatin1String("width"))) {
        c.penWidth =
            twips(object.value(QLatin1String("width")), place, QStringLiteral("The width"));
    } else if (c.kind == ControlKind::Line) {
        c.penWidth = 15;
    }
    if (object.contains(QLatin1String("color"))) {
        c.penColor = colour(object.value(QLatin1String("color")), place);
    }
    if (object.contains(QLatin1String("fill"))) {
        c.fill = colour(object.value(QLatin1String("fill")), place);
    }
    checkInside(c, width, section.height, place);
    checkBinding(c, section.kind, place);
    return c;
}

ReportSection readSection(const QJsonObject& object, int width, const Place& layoutPlace) {
    const QString name = object.value(QLatin1String("section")).toString();
    const auto kind = sectionKindNamed(name);
    if (!kind) {
        layoutPlace.fail(QStringLiteral("unknown section \"%1\".").arg(name));
    }
    const Place place = layoutPlace.within(QStringLiteral("section ") + name);
    ReportSection section;
    section.kind = *kind;
    section.height =
        twips(object.value(QLatin1String("height")), place, QStringLiteral("The height"));
    section.groupField = object.value(QLatin1String("groupField")).toString();
    section.repeatOnNewPage = object.value(QLatin1String("repeat")).toBool();
    if (isGroupHeader(section.kind) == section.groupField.isEmpty()) {
        place.fail(isGroupHeader(section.kind)
                       ? QStringLiteral("a group header needs a group field.")
                       : QStringLiteral("only group headers have a group field."));
    }
    if (section.repeatOnNewPage && !isGroupHeader(section.kind)) {
        place.fail(QStringLiteral("only group headers can repeat on a new page."));
    }
    for (const QJsonValue& control : object.value(QLatin1String("controls")).toArray()) {
        section.controls.push_back(readControl(control.toObject(), section, width, place));
    }
    return section;
}

// Sections come in printing order, each once; a group footer needs its
// header and the inner group needs the outer one.
void checkSections(const ReportLayout& layout, const Place& place) {
    for (size_t i = 1; i < layout.sections.size(); ++i) {
        if (layout.sections[i].kind <= layout.sections[i - 1].kind) {
            place.fail(QStringLiteral("section %1 is out of order or repeated.")
                           .arg(sectionKindName(layout.sections[i].kind)));
        }
    }
    for (int level : {1, 2}) {
        if (layout.section(groupFooterOf(level)) && !layout.section(groupHeaderOf(level))) {
            place.fail(QStringLiteral("%1 has no group header.")
                           .arg(sectionKindName(groupFooterOf(level))));
        }
    }
    if (layout.section(SectionKind::GroupHeader2) && !layout.section(SectionKind::GroupHeader1)) {
        place.fail(QStringLiteral("GroupHeader2 needs GroupHeader1."));
    }
    QSet<QString> names;
    for (const ReportSection& s : layout.sections) {
        for (const ReportControl& c : s.controls) {
            if (c.name.isEmpty()) {
                continue;
            }
            if (names.contains(c.name)) {
                place.fail(QStringLiteral("two controls are named %1.").arg(c.name));
            }
            names.insert(c.name);
        }
    }
}

} // namespace

ReportLayout LayoutReader::read(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        throw ReportError(
            QStringLiteral("The report layout is not valid JSON: %1.").arg(error.errorString()));
    }
    const QJsonObject root = document.object();
    ReportLayout layout;
    layout.name = root.value(QLatin1String("name")).toString();
    const Place place(QStringLiteral("Report layout ") + layout.name);
    if (layout.name.isEmpty()) {
        place.fail(QStringLiteral("the layout has no name."));
    }
    layout.title = root.value(QLatin1String("title")).toString();
    layout.page = readPage(root.value(QLatin1String("page")).toObject(), place);
    layout.font = readFont(root.value(QLatin1String("font")).toObject(), place);
    if (layout.font.family.isEmpty() || layout.font.pointSize <= 0) {
        place.fail(QStringLiteral("the layout needs a font family and size."));
    }
    const int width = layout.page.printableRect().width();
    for (const QJsonValue& section : root.value(QLatin1String("sections")).toArray()) {
        layout.sections.push_back(readSection(section.toObject(), width, place));
    }
    checkSections(layout, place);
    return layout;
}

ReportLayout LayoutReader::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ReportError(QStringLiteral("The report layout %1 cannot be read: %2.")
                              .arg(path, file.errorString()));
    }
    return read(file.readAll());
}

} // namespace quillmark::report
