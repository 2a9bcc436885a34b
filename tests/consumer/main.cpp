// Places the four LumoKit controls in a Qt window. Each control is created
// by its programmatic identifier from the registered control server, its
// window is laid out like any QWidget, and it is driven both through
// dispatch (DispatchClient) and through Qt's meta-object (property, signals).
//
//     embed-controls           shows the window
//     embed-controls --quit    shows it, checks every value and exits
#include <lumokit/ComControl.h>
#include <lumokit/ComError.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/HostLoader.h>

#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

// One control on the window. The object owns its widget: releasing the
// object deletes the widget, so the object lives as long as the window.
struct PlacedControl {
    QString progId;
    lumokit::DispatchClient dispatch;
    lumokit::ComPtr<lumokit::IControl> control;
    QWidget* widget = nullptr;
};

PlacedControl place(const QString& progId, QVBoxLayout* layout) {
    PlacedControl placed;
    placed.progId = progId;
    lumokit::ComPtr<lumokit::IDispatch> object = lumokit::HostLoader::CreateObject(progId);
    placed.control = object.as<lumokit::IControl>();
    placed.dispatch = lumokit::DispatchClient(std::move(object));
    if (!placed.control || !placed.control->GetWidget()) {
        throw lumokit::ComError(lumokit::E_NOINTERFACE, progId,
                                QStringLiteral("%1 is not a control").arg(progId));
    }
    placed.control->InitNew(); // a newly placed control takes its defaults
    placed.widget = placed.control->GetWidget();
    layout->addWidget(placed.widget);
    return placed;
}

int failures = 0;

void report(const QString& what, const QVariant& value, const QVariant& expected) {
    const bool same = value == expected;
    failures += same ? 0 : 1;
    std::printf("%s = %s%s\n", qPrintable(what), qPrintable(value.toString()),
                same ? "" : qPrintable(QStringLiteral("  (expected %1)").arg(expected.toString())));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("LumoKit controls"));
    auto* layout = new QVBoxLayout(&window);
    std::vector<PlacedControl> controls; // released before the window goes
    controls.reserve(4);
    try {
        // The button: a property written through dispatch, read through Qt,
        // and one written through Qt, read through dispatch.
        PlacedControl& button =
            controls.emplace_back(place(QStringLiteral("LumoKit.LumoXPButton"), layout));
        button.dispatch.put(QStringLiteral("Caption"), QStringLiteral("Save"));
        report(QStringLiteral("button Caption (Qt)"), button.widget->property("Caption"),
               QStringLiteral("Save"));
        button.widget->setProperty("ShadowSize", 3);
        report(QStringLiteral("button ShadowSize (dispatch)"),
               button.dispatch.get(QStringLiteral("ShadowSize")), 3);
        // Its signals connect by name: a click closes the window.
        const bool connected =
            QObject::connect(button.widget, SIGNAL(Click()), &window, SLOT(close()));
        report(QStringLiteral("button Click connected"), connected, true);

        PlacedControl& toolbar =
            controls.emplace_back(place(QStringLiteral("LumoKit.lumoadvToolbar"), layout));
        toolbar.dispatch.put(QStringLiteral("MoreText"), QStringLiteral("More"));
        report(QStringLiteral("toolbar MoreText"), toolbar.dispatch.get(QStringLiteral("MoreText")),
               QStringLiteral("More"));

        // Methods take their arguments in order; an omitted one is an
        // invalid QVariant (here the tab's picture).
        PlacedControl& tabs =
            controls.emplace_back(place(QStringLiteral("LumoKit.lumoTabStrip"), layout));
        tabs.dispatch.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("Income")});
        tabs.dispatch.call(QStringLiteral("AddTab"), {QVariant(), QStringLiteral("Expenses")});
        tabs.dispatch.put(QStringLiteral("Selected"), 2);
        report(QStringLiteral("tab strip Selected"), tabs.dispatch.get(QStringLiteral("Selected")),
               2);

        // Indexed properties take the index first.
        PlacedControl& status =
            controls.emplace_back(place(QStringLiteral("LumoKit.lumoStatusbar"), layout));
        status.dispatch.call(QStringLiteral("AddPanel"), {QStringLiteral("Ready"), 120});
        status.dispatch.put(QStringLiteral("PanelCaption"), QStringLiteral("Saved"), {1});
        report(QStringLiteral("status bar PanelCaption(1)"),
               status.dispatch.get(QStringLiteral("PanelCaption"), {1}), QStringLiteral("Saved"));
    } catch (const lumokit::ComError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.description()));
        return 2;
    }

    window.show();
    for (const PlacedControl& placed : controls) {
        report(placed.progId + QStringLiteral(" shown"), placed.widget->isVisible(), true);
    }
    if (app.arguments().contains(QStringLiteral("--quit"))) {
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    const int status = app.exec();
    controls.clear();
    return failures == 0 ? status : 1;
}
