// The company information screen on a company file of its own.
#include "BooksTestSupport_Categories.h"
#include "quillmark/books/dlgCompanyInfo.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace quillmark::cattest {
namespace {

const QString kScreen = QStringLiteral("dlgCompanyInfo");
const QString kSaved =
    QStringLiteral("msgbox info ok [Quillmark] Company information saved successfully.");
const QString kNoRecord =
    QStringLiteral("msgbox info ok [Quillmark] This data file holds no company information "
                   "record, so the details could not be saved.");

class CompanyInfoTest : public CompanyFileTest {
protected:
    // The stored row, one "Field=value" per field, NULL shown as <null>.
    QStringList storedDetails() {
        QStringList fields;
        const std::unique_ptr<Recordset> rs =
            connSys().Execute(QStringLiteral("SELECT * FROM CompanyInfo"));
        if (rs->EOF()) {
            return {QStringLiteral("(no row)")};
        }
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            const QVariant value = rs->Fields(field).Value();
            fields << field + QLatin1Char('=') +
                          (value.isNull() ? QStringLiteral("<null>") : value.toString());
        }
        return fields;
    }

    QStringList shownDetails(const Screen* screen) const {
        QStringList fields;
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            fields << field + QLatin1Char('=') +
                          screen->control<QLineEdit>(QStringLiteral("txt") + field)->text();
        }
        return fields;
    }

    // Distinct texts with quotes and apostrophes for every field.
    static QString sample(const QString& field) {
        return QStringLiteral("O'Brien's \"%1\" ''x'' ; --").arg(field);
    }

    void typeIntoEveryBox(Screen* screen, const std::function<QString(const QString&)>& text) {
        for (const QString& field : dlgCompanyInfo::detailFields()) {
            auto* box = screen->control<QLineEdit>(QStringLiteral("txt") + field);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text(field));
        }
    }
};

TEST_F(CompanyInfoTest, ShowsTheLabelsAndTheEmptyDetailsOfANewFile) {
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Caption().toStdString(), "My Company Information");
    QStringList labels;
    for (const char* name :
         {"lblHeader", "lblBusinessName", "lblOwnerName", "lblAddress", "lblCity", "lblState",
          "lblZipCode", "lblDaytimePhone", "lblEveningPhone", "lblCellPhone", "lblFaxPhone",
          "lblEmail", "lblEIN", "lblWebsite"}) {
        labels << screen->control<QLabel>(QString::fromLatin1(name))->text();
    }
    EXPECT_EQ(lines(labels),
              "COMPANY INFORMATION\nBusiness Name\nBusiness Owner\nAddress\nCity\nState\n"
              "Zip Code\nDaytime Phone\nEvening Phone\nCell Phone\nFax Phone\nEmail\nEIN\n"
              "Website");
    EXPECT_EQ(screen->control<QLineEdit>(QStringLiteral("txtCompanyID"))->text().toStdString(),
              "1");
    for (const QString& line : shownDetails(screen)) {
        EXPECT_TRUE(line.endsWith(QLatin1Char('='))) << line.toStdString();
    }
    EXPECT_TRUE(dialogs->dump().isEmpty()) << lines(dialogs->dump());
}

TEST_F(CompanyInfoTest, QuotesAndApostrophesAreStoredAndShownExactly) {
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    typeIntoEveryBox(screen, sample);
    clickButton(screen, QStringLiteral("cmdSave"));

    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_FALSE(isOpen(kScreen));
    QStringList expected;
    for (const QString& field : dlgCompanyInfo::detailFields()) {
        expected << field + QLatin1Char('=') + sample(field);
    }
    EXPECT_EQ(lines(storedDetails()), lines(expected));

    // Reopening shows what was saved.
    screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(lines(shownDetails(screen)), lines(expected));
}

TEST_F(CompanyInfoTest, EmptyBoxesSaveEmptyTexts) {
    execute(QStringLiteral("UPDATE CompanyInfo SET BusinessName = 'Acme', City = 'Springfield', "
                           "Website = 'acme.example', EIN = NULL"));
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    typeIntoEveryBox(screen, [](const QString&) { return QString(); });
    clickButton(screen, QStringLiteral("cmdSave"));

    EXPECT_EQ(lines(dialogs->dump()), lines({kSaved}));
    EXPECT_FALSE(isOpen(kScreen));
    QStringList expected;
    for (const QString& field : dlgCompanyInfo::detailFields()) {
        expected << field + QLatin1Char('=');
    }
    EXPECT_EQ(lines(storedDetails()), lines(expected));
}

TEST_F(CompanyInfoTest, FieldsWithoutAValueLoadAsEmptyBoxes) {
    execute(QStringLiteral("UPDATE CompanyInfo SET BusinessName = NULL, City = NULL, "
                           "Email = 'owner@example.com', Website = 'example.com'"));
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(dialogs->dump().isEmpty()) << lines(dialogs->dump());
    EXPECT_EQ(lines(shownDetails(screen)),
              "BusinessName=\nOwnerName=\nAddress=\nAddress2=\nCity=\nState=\nZipCode=\n"
              "DaytimePhone=\nEveningPhone=\nCellPhone=\nFaxPhone=\n"
              "Email=owner@example.com\nEIN=\nWebsite=example.com");
}

TEST_F(CompanyInfoTest, CloseWritesNothing) {
    const QStringList before = storedDetails();
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    typeIntoEveryBox(screen, sample);
    clickButton(screen, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isOpen(kScreen));
    EXPECT_EQ(lines(storedDetails()), lines(before));
    EXPECT_TRUE(dialogs->dump().isEmpty()) << lines(dialogs->dump());
}

TEST_F(CompanyInfoTest, WithoutARowSaveSaysSoAndKeepsTheEntries) {
    execute(QStringLiteral("DELETE FROM CompanyInfo"));
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->control<QLineEdit>(QStringLiteral("txtCompanyID"))->text().isEmpty());
    typeIntoEveryBox(screen, sample);
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_EQ(lines(dialogs->dump()), lines({kNoRecord}));
    EXPECT_TRUE(isOpen(kScreen));
    EXPECT_EQ(shownDetails(screen).at(0).toStdString(),
              "BusinessName=" + sample(QStringLiteral("BusinessName")).toStdString());
    EXPECT_EQ(lines(storedDetails()), lines({QStringLiteral("(no row)")}));
}

TEST_F(CompanyInfoTest, RowRemovedWhileOpenIsNotSilentlyDropped) {
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    execute(QStringLiteral("DELETE FROM CompanyInfo"));
    typeIntoEveryBox(screen, sample);
    clickButton(screen, QStringLiteral("cmdSave"));
    EXPECT_EQ(lines(dialogs->dump()), lines({kNoRecord}));
    EXPECT_TRUE(isOpen(kScreen));
    EXPECT_EQ(lines(storedDetails()), lines({QStringLiteral("(no row)")}));
}

TEST_F(CompanyInfoTest, TextTooLongForItsFieldIsReportedAndTheScreenStays) {
    const QStringList before = storedDetails();
    Screen* screen = openScreen<dlgCompanyInfo>(kScreen);
    ASSERT_NE(screen, nullptr);
    screen->control<QLineEdit>(QStringLiteral("txtWebsite"))
        ->setText(QString(300, QLatin1Char('w')));
    clickButton(screen, QStringLiteral("cmdSave"));
    ASSERT_EQ(dialogs->calls().size(), 1u) << lines(dialogs->dump());
    EXPECT_EQ(dialogs->calls()[0].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs->calls()[0].title.toStdString(), "Quillmark");
    EXPECT_TRUE(isOpen(kScreen));
    EXPECT_EQ(lines(storedDetails()), lines(before));
}

} // namespace
} // namespace quillmark::cattest
