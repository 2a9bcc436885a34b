#pragma once

// Shared by the LumoKit test folders: a message service that records
// instead of showing, a container with settable ambient properties, and
// the input the platform delivers for a double click.
#include "core/control/LibraryMessages.h"
#include "core/control/UserControl.h"

#include <QStringList>
#include <QTest>

namespace lumokittest {

class RecordingMessages : public lumokit::LibraryMessages {
public:
    RecordingMessages() : m_previous(LibraryMessages::install(this)) {}
    ~RecordingMessages() override { LibraryMessages::install(m_previous); }
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;
    void showMessage(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral("|") + text);
    }
    // Retry/Cancel boxes are recorded as "title|text?" and answered with
    // retries Retry first, then Cancel.
    bool askRetryCancel(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral("|") + text + QStringLiteral("?"));
        return retries-- > 0;
    }
    QStringList shown;
    int retries = 0;

private:
    lumokit::LibraryMessages* m_previous;
};

class FakeContainer : public lumokit::Container {
public:
    bool DisplayAsDefault() const override { return displayAsDefault; }
    void PropertyChanged(const QString& name) override { changed.append(name); }
    bool displayAsDefault = true;
    QStringList changed;
};

// Press, release, double click, release.
inline void doubleClick(QWidget* widget, QPoint at = QPoint(5, 5)) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace lumokittest
