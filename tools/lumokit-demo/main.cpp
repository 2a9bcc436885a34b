// lumokit-demo: a window of XP buttons in every look, both styles, with and
// without icon, disabled, toggled, multi-line, shadowed and aligned three
// ways; each caption says what the button shows. Below them, toolbars in
// both styles with their menus open (ToolbarDemo), the tab strip and the
// status bar.
//
//     lumokit-demo                      shows the window
//     lumokit-demo --screenshot a.png   renders it to a.png and exits
#include "TabStatusSections.h"
#include "ToolbarDemo.h"

#include "button/LumoXPButton.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

using lumokit::CaptionAlign;
using lumokit::lumoStyle;
using lumokit::LumoXPButton;
using lumokit::Picture;

namespace {

constexpr int kButtonWidth = 190;
constexpr int kButtonHeight = 30;
constexpr int kColumnGap = 14;
constexpr int kRowGap = 10;
constexpr int kMargin = 16;
constexpr int kHeadingHeight = 22;
constexpr int kToolbarWidth = 380; // narrower than its items: the chevron shows

// A small sheet-of-paper icon with a green tick, drawn here so the demo
// needs no image files.
Picture demoIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(70, 90, 130));
    painter.setBrush(QColor(250, 250, 255));
    painter.drawRect(QRectF(2.5, 1.5, 10, 13));
    painter.setPen(QPen(QColor(30, 150, 60), 2));
    QPainterPath tick;
    tick.moveTo(5, 8);
    tick.lineTo(7.5, 11);
    tick.lineTo(13, 4);
    painter.drawPath(tick);
    painter.end();
    return Picture::fromImage(image, Picture::Icon);
}

// Lays buttons out in rows of three under headings.
class DemoWindow : public QWidget {
public:
    DemoWindow() {
        setWindowTitle(QStringLiteral("LumoKit controls"));
        setAutoFillBackground(true);
        QPalette shade = palette();
        shade.setColor(QPalette::Window, QColor(236, 233, 216));
        setPalette(shade);
        build();
        resize(kMargin * 2 + 3 * kButtonWidth + 2 * kColumnGap, m_y + kMargin);
    }

    // Paints the looks that only DrawControl can show; a repaint in the
    // ordinary course (hover, resize) replaces them.
    void forceLooks() {
        for (const auto& force : m_forced) {
            force();
        }
    }

    // Hovers, presses and opens the toolbars' menus, once.
    void forceToolbarStates() { m_toolbars.forceStates(); }

    void focusTheFocusedButton() {
        if (m_focused) {
            m_focused->setFocus();
        }
    }

private:
    void heading(const QString& text) {
        if (m_column != 0) {
            newRow();
        }
        auto* label = new QLabel(text, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setGeometry(kMargin, m_y, 3 * kButtonWidth + 2 * kColumnGap, kHeadingHeight);
        m_y += kHeadingHeight;
    }

    void newRow(int height = kButtonHeight) {
        m_y += height + kRowGap;
        m_column = 0;
    }

    LumoXPButton* add(const QString& caption, int height = kButtonHeight) {
        auto* button = new LumoXPButton(this);
        button->initNew();
        button->setCaption(caption);
        button->setGeometry(kMargin + m_column * (kButtonWidth + kColumnGap), m_y, kButtonWidth,
                            height);
        if (++m_column == 3) {
            newRow(height);
        }
        return button;
    }

    void looks(lumoStyle style, const QString& styleName) {
        heading(styleName + QStringLiteral(" style: the five looks, forced with DrawControl"));
        const QString captions[] = {
            QStringLiteral("Look 0: normal"), QStringLiteral("Look 1: mouse over"),
            QStringLiteral("Look 2: pressed"), QStringLiteral("Look 3: caption only"),
            QStringLiteral("Look 4: toggle on")};
        for (int look = 0; look < 5; ++look) {
            LumoXPButton* button = add(captions[look]);
            button->setStyle(style);
            button->setIcon(m_icon);
            if (look == 4) {
                button->setChecked(true);
                button->setValue(true);
            }
            m_forced.push_back([button, look] { button->DrawControl(look); });
        }
        LumoXPButton* plain = add(styleName + QStringLiteral(" without icon"));
        plain->setStyle(style);
        plain->setShowIcon(false);
    }

    void build() {
        m_icon = demoIcon();
        m_y = kMargin;
        looks(lumoStyle::lumoVivid, QStringLiteral("Vivid"));
        looks(lumoStyle::lumoXP, QStringLiteral("XP"));

        heading(QStringLiteral("States"));
        LumoXPButton* disabled = add(QStringLiteral("Disabled, no icon"));
        disabled->setShowIcon(false);
        disabled->setEnabled(false);
        LumoXPButton* disabledIcon = add(QStringLiteral("Disabled with icon"));
        disabledIcon->setIcon(m_icon);
        disabledIcon->setEnabled(false);
        LumoXPButton* toggle = add(QStringLiteral("&Toggle: Checked and Value"));
        toggle->setIcon(m_icon);
        toggle->setChecked(true);
        toggle->setValue(true);
        LumoXPButton* focused = add(QStringLiteral("&Focused, ShowFocus on"));
        focused->setShowFocus(true);
        focused->setShowIcon(false);
        m_focused = focused;
        LumoXPButton* toggleOff = add(QStringLiteral("Toggle, Value off"));
        toggleOff->setChecked(true);
        toggleOff->setShowIcon(false);
        LumoXPButton* colours = add(QStringLiteral("Own colours"));
        colours->setIcon(m_icon);
        // Colours keep blue in the high byte.
        colours->setBackColor(0xFFF0C8);
        colours->setBackColorIcon(0xFFD07F);
        colours->setBorderColor(0xA07030);
        colours->setFontColor(0x604020);

        heading(QStringLiteral("Caption: shadows, lines and alignment"));
        LumoXPButton* shadow = add(QStringLiteral("Shadow size 2"));
        shadow->setShadowSize(2);
        shadow->setShadowColor(0xB0B0B0);
        shadow->setShowIcon(false);
        LumoXPButton* shadowOver = add(QStringLiteral("Shadow only when over (look 1)"));
        shadowOver->setShadowSize(1);
        shadowOver->setShadowColor(0xFFFFFF);
        shadowOver->setShowShadowOver(true);
        shadowOver->setShowIcon(false);
        m_forced.push_back([shadowOver] { shadowOver->DrawControl(1); });
        LumoXPButton* amp = add(QStringLiteral("Print && &Save (Alt+S)"));
        amp->setIcon(m_icon);

        LumoXPButton* right = add(QStringLiteral("Right aligned"));
        right->setAlignCaption(CaptionAlign::caRight);
        right->setShowIcon(false);
        LumoXPButton* centre = add(QStringLiteral("Centre aligned"));
        centre->setAlignCaption(CaptionAlign::caCenter);
        centre->setShowIcon(false);
        LumoXPButton* left = add(QStringLiteral("Left aligned"));
        left->setAlignCaption(CaptionAlign::caLeft);
        left->setShowIcon(false);

        constexpr int tall = 44;
        LumoXPButton* multi = add(QStringLiteral("Multi-line caption:\nsecond line"), tall);
        multi->setMultiLine(true);
        multi->setIcon(m_icon);
        LumoXPButton* single = add(QStringLiteral("Single line:\nbreak dropped"), tall);
        single->setIcon(m_icon);
        LumoXPButton* multiCentre = add(QStringLiteral("Multi-line,\ncentred"), tall);
        multiCentre->setMultiLine(true);
        multiCentre->setAlignCaption(CaptionAlign::caCenter);
        multiCentre->setShowIcon(false);
        if (m_column != 0) {
            newRow(tall);
        }
        m_y =
            m_toolbars.build(this, kMargin, m_y, kToolbarWidth, 3 * kButtonWidth + 2 * kColumnGap);

        const int width = 3 * kButtonWidth + 2 * kColumnGap;
        m_y = demo::addTabStripSection(this, m_y, width, m_icon, m_forced);
        m_y = demo::addStatusbarSection(this, m_y, width);
    }

    Picture m_icon;
    int m_y = 0;
    int m_column = 0;
    LumoXPButton* m_focused = nullptr;
    ToolbarDemo m_toolbars;
    std::vector<std::function<void()>> m_forced;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumokit-demo"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("LumoKit XP buttons, toolbars, tab strips and status bars in every look"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window to <file> and exit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    DemoWindow window;
    window.show();
    window.activateWindow();
    // After the first layout and focus changes, which repaint the buttons.
    QApplication::processEvents();
    window.focusTheFocusedButton();
    QApplication::processEvents();
    window.forceLooks();
    window.forceToolbarStates();

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QImage shot = window.grab().toImage();
        ToolbarDemo::paintMenus(shot, &window);
        if (!shot.save(file)) {
            std::fprintf(stderr, "lumokit-demo: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    QTimer::singleShot(0, &window, [&window] { window.forceLooks(); });
    return app.exec();
}
