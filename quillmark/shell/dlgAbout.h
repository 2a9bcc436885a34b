#pragma once

#include "quillmark/shell/Screen.h"

class QLabel;
class QPlainTextEdit;

namespace quillmark {

class PictureBox;
class XPButtonSite;

// The about box: the program's title, version and purpose, where to reach
// its distributor, and a credits message on a click of the icon or a
// double-click on the address.
class dlgAbout : public Screen {
    Q_OBJECT
public:
    explicit dlgAbout(QWidget* parent = nullptr);
    ~dlgAbout() override;

    void Form_Load() override;

    void picIcon_Click();
    void Text1_DblClick();
    void cmdClose_Click();

    // The lines of the description, as the label shows them.
    static QString DescriptionText();
    static QString CreditsText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowCredits();

    PictureBox* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QPlainTextEdit* Text1;
    XPButtonSite* cmdClose;
};

} // namespace quillmark
