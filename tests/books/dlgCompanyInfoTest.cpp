// The company information screen on books of its own.
#include "quillmark/books/dlgCompanyInfo.h"
#include "BooksTestSupport.h"

#include <QLineEdit>
#include <QTest>

namespace quillmark::test {
namespace {

const QString kScreen = QStringLiteral("dlgCompanyInfo");
const std::string kSaved = "msgbox info ok [Quillmark] Company information saved successfully.";

class dlgCompanyInfoTest : public BooksTest {
protected:
    // The fields in the screen's order, joined by "|".
    std::string storedDetails() const {
        return lines(
            query("SELECT " + dlgCompanyInfo::detailFields().join(", ") + " FROM CompanyInfo"));
    }
    std::string shownDetails() const {
        QStringList texts;
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            texts << screen->control<QLineEdit>("txt" + field)->text();
        }
        return texts.join('|').toStdString();
    }
    // Types into every box as a user would: "<Field> " + suffix, or nothing.
    std::string typeIntoEveryBox(const QString& suffix) {
        QStringList typed;
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            auto* box = screen->control<QLineEdit>("txt" + field);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            const QString text = suffix.isNull() ? QString() : field + ' ' + suffix;
            QTest::keyClicks(box, text);
            typed << text;
        }
        return typed.join('|').toStdString();
    }
    void open() { screen = openScreen(kScreen); }

    Screen* screen = nullptr;
};

TEST_F(dlgCompanyInfoTest,
       SaveStoresQuotesExactlyEmptyBoxesAsEmptyTextsOnlyIntoItsRowCloseNothing) {
    execute("UPDATE CompanyInfo SET OwnerName = 'Ann', City = NULL, Website = 'example.com'");
    open();
    EXPECT_EQ(screen->control<QLineEdit>("txtCompanyID")->text(), QStringLiteral("1"));
    EXPECT_EQ(shownDetails(), "|Ann||||||||||||example.com") << "a field without a value is empty";
    const std::string typed = typeIntoEveryBox(QStringLiteral("O'Brien's \"best\" ''; --"));
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(storedDetails(), typed);
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Quillmark - BusinessName O'Brien's \"best\" ''; --"));
    open();
    EXPECT_EQ(shownDetails(), typed) << "shown again on reopening";

    typeIntoEveryBox(QStringLiteral("changed"));
    clickButton(screen, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(storedDetails(), typed);

    open();
    typeIntoEveryBox(QString());
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_EQ(storedDetails(), std::string(13, '|'));
    EXPECT_EQ(messages(), kSaved + "\n" + kSaved);

    // Without its row, gone before opening or after, Save says so and keeps the entries.
    dialogs.clear();
    for (const bool goneBeforeOpening : {true, false}) {
        if (goneBeforeOpening) {
            execute("DELETE FROM CompanyInfo");
        }
        open();
        execute("DELETE FROM CompanyInfo");
        const std::string typed = typeIntoEveryBox(QStringLiteral("typed"));
        clickButton(screen, QStringLiteral("cmdSave"));
        EXPECT_EQ(messages(), "msgbox info ok [Quillmark] This data file holds no company "
                              "information record, so the details could not be saved.");
        EXPECT_TRUE(isOpen(kScreen));
        EXPECT_EQ(shownDetails(), typed);
        screen->Unload();
        dialogs.clear();
        execute("INSERT INTO CompanyInfo (CompanyID) VALUES (1)");
    }
}

} // namespace
} // namespace quillmark::test
