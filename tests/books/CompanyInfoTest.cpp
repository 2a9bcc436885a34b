// The company information screen on a company file of its own.
#include "BooksTestSupport.h"
#include "quillmark/books/dlgCompanyInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quillmark::bookstest {
namespace {

const QString kScreen = QStringLiteral("dlgCompanyInfo");
const std::string kSaved = "msgbox info ok [Quillmark] Company information saved successfully.";
const std::string kNoRecord = "msgbox info ok [Quillmark] This data file holds no company "
                              "information record, so the details could not be saved.";

class CompanyInfoTest : public CompanyFileTest {
protected:
    // The stored fields in the screen's order, joined by "|".
    std::string storedDetails() {
        return lines(query(QStringLiteral("SELECT ") +
                           dlgCompanyInfo::detailFields().join(QStringLiteral(", ")) +
                           QStringLiteral(" FROM CompanyInfo")));
    }
    std::string shownDetails() const {
        QStringList texts;
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            texts << screen->control<QLineEdit>(QStringLiteral("txt") + field)->text();
        }
        return texts.join(QLatin1Char('|')).toStdString();
    }
    // Types into every box as a user would: "<Field> " + suffix.
    std::string typeIntoEveryBox(const QString& suffix) {
        QStringList typed;
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            auto* box = screen->control<QLineEdit>(QStringLiteral("txt") + field);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            const QString text = suffix.isNull() ? QString() : field + QLatin1Char(' ') + suffix;
            QTest::keyClicks(box, text);
            typed << text;
        }
        return typed.join(QLatin1Char('|')).toStdString();
    }
    void open() {
        screen = openScreen(kScreen);
        ASSERT_NE(screen, nullptr);
    }

    Screen* screen = nullptr;
};

TEST_F(CompanyInfoTest, ShowsItsLabelsAndTheFirstRow) {
    execute(QStringLiteral("UPDATE CompanyInfo SET OwnerName = 'Ann', Website = 'example.com'"));
    open();
    EXPECT_EQ(screen->Caption().toStdString(), "My Company Information");
    QStringList labels;
    for (const char* name :
         {"lblHeader", "lblBusinessName", "lblOwnerName", "lblAddress", "lblCity", "lblState",
          "lblZipCode", "lblDaytimePhone", "lblEveningPhone", "lblCellPhone", "lblFaxPhone",
          "lblEmail", "lblEIN", "lblWebsite"}) {
        labels << screen->control<QLabel>(QString::fromLatin1(name))->text();
    }
    EXPECT_EQ(labels.join(QLatin1Char('|')).toStdString(),
              "COMPANY INFORMATION|Business Name|Business Owner|Address|City|State|Zip Code|"
              "Daytime Phone|Evening Phone|Cell Phone|Fax Phone|Email|EIN|Website");
    EXPECT_EQ(screen->control<QLineEdit>(QStringLiteral("txtCompanyID"))->text().toStdString(),
              "1");
    EXPECT_EQ(shownDetails(), "|Ann||||||||||||example.com");
    EXPECT_EQ(messages(), "");
}

TEST_F(CompanyInfoTest, QuotesAndApostrophesAreStoredExactlyAndShownOnReopening) {
    open();
    const std::string typed = typeIntoEveryBox(QStringLiteral("O'Brien's \"best\" ''; --"));
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_EQ(messages(), kSaved);
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(storedDetails(), typed);

    open();
    EXPECT_EQ(shownDetails(), typed);
}

TEST_F(CompanyInfoTest, EmptyBoxesSaveEmptyTexts) {
    execute(QStringLiteral("UPDATE CompanyInfo SET BusinessName = 'Acme', EIN = NULL"));
    open();
    typeIntoEveryBox(QString());
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_EQ(messages(), kSaved);
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(storedDetails(), std::string(13, '|'));
}

TEST_F(CompanyInfoTest, FieldsWithoutAValueLoadAsEmptyBoxes) {
    execute(QStringLiteral("UPDATE CompanyInfo SET BusinessName = NULL, City = NULL, "
                           "Website = 'example.com'"));
    open();
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(shownDetails(), "|||||||||||||example.com");
}

TEST_F(CompanyInfoTest, CloseWritesNothing) {
    const std::string before = storedDetails();
    open();
    typeIntoEveryBox(QStringLiteral("changed"));
    clickButton(screen, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(storedDetails(), before);
    EXPECT_EQ(messages(), "");
}

TEST_F(CompanyInfoTest, WithoutItsRowSaveSaysSoAndKeepsTheEntries) {
    for (const bool rowGoneBeforeOpening : {true, false}) {
        if (rowGoneBeforeOpening) {
            execute(QStringLiteral("DELETE FROM CompanyInfo"));
        }
        open();
        execute(QStringLiteral("DELETE FROM CompanyInfo"));
        const std::string typed = typeIntoEveryBox(QStringLiteral("typed"));
        clickButton(screen, QStringLiteral("cmdSave"));
        EXPECT_EQ(messages(), kNoRecord);
        EXPECT_TRUE(isOpen(kScreen));
        EXPECT_EQ(shownDetails(), typed);
        EXPECT_EQ(storedDetails(), "");
        screen->Unload();
        dialogs->clear();
        execute(QStringLiteral("INSERT INTO CompanyInfo (CompanyID) VALUES (1)"));
    }
}

} // namespace
} // namespace quillmark::bookstest
