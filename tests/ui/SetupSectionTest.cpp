// The set-up section: what a field table derives (checks, staging record,
// assignments per request, show, CLEAR ALL) and the steps of a request.
#include "ui/SetupSection.h"
#include "support/gui/UiTest.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

using F = SetupField;

class SetupSectionTest : public UiTest {
protected:
    void SetUp() override {
        parent = std::make_unique<QWidget>();
        // A box the window made itself is adopted, not made twice.
        makeControl<QComboBox>(parent.get(), QStringLiteral("cboCompany"))->setEditable(true);
        section = std::make_unique<SetupSection>(
            parent.get(),
            std::vector<SetupField>{
                F::list("cboCompany", "Name :", {0, 0})
                    .feeds("Name", DataType::Text, 8)
                    .whenEmpty("Enter Name"),
                F::text("txtCode", "Code :", {1, 0})
                    .feeds("Code", DataType::Integer)
                    .carriedBy(kCreate)
                    .whenEmpty("Enter Code"),
                F::text("txtCity").feeds("City", DataType::Text, 4).typingLimited().called("City"),
                F::text("txtPhone", "Phone :").feeds("Phone", DataType::Text, 24).checkedAs(CheckAs::Number),
                F::text("txtLevel", "Level :")
                    .feeds("Level", DataType::BigInt)
                    .carriedBy(kCreate | kUpdate)
                    .whenEmpty("Enter Level")
                    .within(Currency(), Currency::fromUnits(3), QStringLiteral("Level is 0 to 3")),
                F::date("dtpHired", "Hired :").feeds("Hired", DataType::Date),
                F::list("cboKind", "Kind :").withEntries({"A", "B"}).filtered(Keys::Filtered),
            });
        section->buildStaging();
    }
    void TearDown() override {
        section.reset();
        parent.reset();
    }
    void set(const char* control, const QString& text) {
        setFieldText(section->box(QString::fromLatin1(control)), text);
    }
    // The first failing check's message, or the empty text when all pass.
    QString firstFailure(const CheckList& checks) {
        ui.clear();
        if (runChecks(checks))
            return {};
        return ui.lastText();
    }

    std::unique_ptr<QWidget> parent;
    std::unique_ptr<SetupSection> section;
};

TEST_F(SetupSectionTest, BuildsItsBoxesLabelsAndStagingRecordFromTheTable) {
    EXPECT_EQ(parent->findChildren<QComboBox*>(QStringLiteral("cboCompany")).size(), 1);
    EXPECT_EQ(parent->findChild<QLabel*>(QStringLiteral("lblCode")), nullptr)
        << "labels come with the layout";
    EXPECT_EQ(section->box<QComboBox>(QStringLiteral("cboKind"))->count(), 2);
    EXPECT_TRUE(section->box<QComboBox>(QStringLiteral("cboKind"))->currentText().isEmpty());
    ASSERT_NE(section->box<QDateEdit>(QStringLiteral("dtpHired")), nullptr);

    const Recordset& staging = section->staging();
    ASSERT_EQ(staging.fieldCount(), 6);
    const QStringList names = {"Name", "Code", "City", "Phone", "Level", "Hired"};
    const DataType types[] = {DataType::Text, DataType::Integer, DataType::Text,
                              DataType::Text, DataType::BigInt,  DataType::Date};
    for (int i = 0; i < staging.fieldCount(); ++i) {
        EXPECT_EQ(staging.field(i).name, names.at(i));
        EXPECT_EQ(staging.field(i).type, types[i]) << names.at(i).toStdString();
    }
    EXPECT_EQ(staging.field(0).size, 8);
    EXPECT_EQ(staging.recordCount(), 1);
}

TEST(SetupFieldBinding, AWindowMemberGetsTheBoxMadeOrTheOneItAlreadyHad) {
    QWidget window;
    auto* existing = makeControl<QComboBox>(&window, QStringLiteral("cboCompany"));
    QComboBox* company = nullptr;
    QLineEdit* code = nullptr;
    QComboBox stale;
    QComboBox* wrongKind = &stale;
    SetupSection section(&window, {SetupField::list("cboCompany").into(company),
                                   SetupField::text("txtCode").into(code),
                                   SetupField::text("txtCity").into(wrongKind)});
    EXPECT_EQ(company, existing);
    EXPECT_EQ(code, section.box(QStringLiteral("txtCode")));
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(wrongKind, nullptr) << "a text box is no list: the member is left empty, not mistyped";
}

TEST_F(SetupSectionTest, ChecksFollowTheFieldsInOrderWithTheWindowsTexts) {
    const CheckList checks = section->checks();
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Enter Name"));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Orvanwise"));
    set("cboCompany", QStringLiteral("Tan"));
    // The code is a number: empty is a missing field, letters are no number.
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Enter Code"));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Missing field"));
    set("txtCode", QStringLiteral("abc"));
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Invalid Input"));
    set("txtCode", QStringLiteral("12"));
    // A text column checked as a number has no empty check of its own.
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Enter numerical and not character"));
    set("txtPhone", QStringLiteral("5551234"));
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Enter Level"));
    set("txtLevel", QStringLiteral("-1"));
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Level is 0 to 3"));
    set("txtLevel", QStringLiteral("4"));
    EXPECT_EQ(firstFailure(checks), QStringLiteral("Level is 0 to 3"));
    set("txtLevel", QStringLiteral("3"));
    EXPECT_EQ(firstFailure(checks), QString()) << "dates and lists without a message are not checked";

    EXPECT_EQ(section->checksOf(QStringLiteral("txtLevel")).size(), 4u);
    EXPECT_TRUE(section->checksOf(QStringLiteral("cboKind")).empty());
}

TEST_F(SetupSectionTest, FitChecksRefuseWhatTheStagingRecordCannotHold) {
    const CheckList fit = section->fitChecks();
    set("txtCode", QStringLiteral("12"));
    set("txtLevel", QStringLiteral("1"));
    EXPECT_EQ(firstFailure(fit), QString());

    set("cboCompany", QStringLiteral("Tan Ah Kow"));
    EXPECT_EQ(firstFailure(fit), QStringLiteral("Name must not be longer than 8 characters"));
    set("cboCompany", QStringLiteral("Tan"));
    // What to type, in the clerk's words: never the column's range.
    for (const char* code : {"12.5", "1e3"}) {
        set("txtCode", QString::fromLatin1(code));
        EXPECT_EQ(firstFailure(fit), QStringLiteral("Code: type a whole number")) << code;
    }
    set("txtCode", QStringLiteral("2147483648"));
    EXPECT_EQ(firstFailure(fit), QStringLiteral("Code: the number is too long; type one of fewer digits"));
    set("txtCode", QStringLiteral("-2147483648"));
    // A field with a range of its own names it for a fraction too.
    set("txtLevel", QStringLiteral("0.5"));
    EXPECT_EQ(firstFailure(fit), QStringLiteral("Level is 0 to 3"));
    EXPECT_EQ(section->box<QLineEdit>(QStringLiteral("txtLevel"))->selectedText(), QStringLiteral("0.5"));
}

// Lengths are counted as the database counts them: a character outside the
// basic plane (two UTF-16 units) is one character. A box at its limit refuses
// more, whole, and says so: nothing typed is ever cut.
TEST_F(SetupSectionTest, ABoxAtItsLimitRefusesMoreAndSaysSo) {
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    auto* city = section->box<QLineEdit>(QStringLiteral("txtCity"));
    city->insert(smile.repeated(4));
    EXPECT_EQ(city->text(), smile.repeated(4)) << "four characters fit a box of four";
    EXPECT_EQ(ui.beeps(), 0);

    // A key typed into the full box, at its end or in its middle, and a
    // paste or drop that would not fit: each refused with a beep and the limit.
    set("txtCity", QStringLiteral("ABCD"));
    city->setFocus();
    city->setCursorPosition(2);
    QTest::keyClicks(city, QStringLiteral("X"));
    QCoreApplication::processEvents();
    city->setText(QStringLiteral("AB"));
    city->insert(smile + smile + smile);
    EXPECT_EQ(city->text(), QStringLiteral("AB")) << "nothing is cut to fit";
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_EQ(ui.texts(), QStringList(2, QStringLiteral("City may have at most 4 characters")));

    const QString phone = QStringLiteral("0").repeated(30);
    set("txtPhone", phone);
    EXPECT_EQ(fieldText(section->box(QStringLiteral("txtPhone"))), phone) << "typing is not limited";

    // The fit check counts characters too.
    set("txtCode", QStringLiteral("12"));
    set("txtLevel", QStringLiteral("1"));
    set("txtPhone", QStringLiteral("5551234"));
    set("cboCompany", smile.repeated(8));
    EXPECT_EQ(firstFailure(section->fitChecks()), QString());
    set("cboCompany", smile.repeated(9));
    EXPECT_EQ(firstFailure(section->fitChecks()),
              QStringLiteral("Name must not be longer than 8 characters"));
}

TEST_F(SetupSectionTest, EachRequestCarriesItsOwnFields) {
    set("cboCompany", QStringLiteral("Tan"));
    set("txtCode", QStringLiteral("12"));
    set("txtCity", QStringLiteral("Ipoh"));
    set("txtPhone", QStringLiteral("555"));
    set("txtLevel", QStringLiteral("2"));
    section->box<QDateEdit>(QStringLiteral("dtpHired"))->setDate(QDate(2010, 5, 3));

    auto carried = [this](SetupRequest request) {
        QStringList columns;
        for (const auto& [column, box] : section->carried(request))
            columns << column;
        return columns;
    };
    EXPECT_EQ(carried(SetupRequest::Create),
              QStringList({"Name", "Code", "City", "Phone", "Level", "Hired"}));
    EXPECT_EQ(carried(SetupRequest::Update), QStringList({"Name", "City", "Phone", "Level", "Hired"}));
    EXPECT_EQ(carried(SetupRequest::Delete), QStringList({"Name", "City", "Phone", "Hired"}));

    section->assign(SetupRequest::Delete);
    Recordset& staging = section->staging();
    EXPECT_EQ(staging.value(QStringLiteral("Name")).toString(), QStringLiteral("Tan"));
    EXPECT_TRUE(staging.value(QStringLiteral("Code")).isBlank()) << "a field not carried keeps what it held";
    EXPECT_EQ(staging.value(QStringLiteral("Hired")).toDate(), QDate(2010, 5, 3));
    section->assign(SetupRequest::Create);
    EXPECT_EQ(staging.value(QStringLiteral("Code")).type(), DataType::Integer);
    EXPECT_EQ(staging.value(QStringLiteral("Level")).type(), DataType::BigInt);
}

TEST_F(SetupSectionTest, ShowFillsTheBoxesOfTheColumnsAndClearEmptiesAllButTheDates) {
    Recordset record = buildRecord({{QStringLiteral("Code"), DataType::Integer},
                                    {QStringLiteral("City"), DataType::Text, 4},
                                    {QStringLiteral("Hired"), DataType::Date}},
                                   true);
    record.setValue(QStringLiteral("Code"), Variant(QStringLiteral("7")));
    record.setValue(QStringLiteral("City"), Variant(QStringLiteral("Ipoh")));
    auto* hired = section->box<QDateEdit>(QStringLiteral("dtpHired"));
    hired->setDate(QDate(2011, 1, 1));
    set("txtPhone", QStringLiteral("555"));
    section->show(record);
    EXPECT_EQ(fieldText(section->box(QStringLiteral("txtCode"))), QStringLiteral("7"));
    EXPECT_EQ(fieldText(section->box(QStringLiteral("txtCity"))), QStringLiteral("Ipoh"));
    EXPECT_EQ(hired->date(), QDate(2011, 1, 1)) << "a date the record lacks leaves the picker";
    EXPECT_EQ(fieldText(section->box(QStringLiteral("txtPhone"))), QStringLiteral("555"))
        << "a column the record lacks leaves its box";

    section->clear();
    for (const char* control : {"cboCompany", "txtCode", "txtCity", "txtPhone", "cboKind"})
        EXPECT_TRUE(fieldText(section->box(QString::fromLatin1(control))).isEmpty()) << control;
    EXPECT_EQ(hired->date(), QDate(2011, 1, 1));
}

TEST_F(SetupSectionTest, ARequestStopsAtAFailedCheckOrAFieldThatCannotHoldItsText) {
    int written = 0;
    int cleared = 0;
    auto steps = [&](CheckList checks) {
        return RequestSteps{SetupRequest::Create,
                            std::move(checks),
                            [&] { return section->assign(SetupRequest::Create); },
                            [&] {
                                ++written;
                                return QStringLiteral("sent");
                            },
                            {},
                            [&] { ++cleared; }};
    };
    EXPECT_FALSE(runRequest(parent.get(), steps(section->checks())));
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Enter Name")));

    // Unchecked, a code of letters cannot go into its number field: the
    // clerk learns why and nothing is written or cleared.
    set("txtCode", QStringLiteral("abc"));
    ui.clear();
    EXPECT_FALSE(runRequest(parent.get(), steps({})));
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(cleared, 0);
    EXPECT_EQ(fieldText(section->box(QStringLiteral("txtCode"))), QStringLiteral("abc"));

    set("txtCode", QStringLiteral("12"));
    ui.clear();
    EXPECT_TRUE(runRequest(parent.get(), steps({})));
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("sent")));
    EXPECT_EQ(written, 1);
    EXPECT_EQ(cleared, 1);
}

// A section whose staging record is declared apart, as a window of several
// steps keeps it: types and widths come from the record, its own request runs
// the emptiness checks before what the record cannot hold, and a pick of a
// key that has gone names it.
TEST_F(SetupSectionTest, ARecordDeclaredApartTypesTheFieldsAndItsRequestRunsAlone) {
    QWidget window;
    SetupSection step(&window,
                      {{QStringLiteral("Code_VC"), DataType::Text, 5},
                       {QStringLiteral("Name_VC"), DataType::Text, 10},
                       {QStringLiteral("Acct_IN"), DataType::Integer}},
                      {F::list("cboName", "Name :").feeds("name_vc").whenEmpty("Enter Name").typingLimited(),
                       F::text("txtCode", "Code :").feeds("Code_VC").whenEmpty("Enter Code").typingLimited(),
                       F::list("cboAcct", "Acct Code :")
                           .feeds("acct_in")
                           .whenEmpty("Enter Acct")
                           .checkedAs(CheckAs::Text)
                           .refusingLetters()});
    step.buildStaging();
    // Typing stops at the record's widths.
    step.box<QLineEdit>(QStringLiteral("txtCode"))->insert(QStringLiteral("123456"));
    EXPECT_EQ(fieldText(step.box(QStringLiteral("txtCode"))), QString());
    step.box<QComboBox>(QStringLiteral("cboName"))->lineEdit()->insert(QStringLiteral("Tan Ah Kow Ltd"));
    EXPECT_EQ(fieldText(step.box(QStringLiteral("cboName"))), QString());
    ASSERT_EQ(step.staging().fieldCount(), 3);
    EXPECT_EQ(step.staging().field(0).name, QStringLiteral("Code_VC")) << "the record's order";

    QString sent;
    int reloaded = 0;
    auto press = [&] {
        ui.clear();
        return step.request(
            SetupRequest::Delete,
            [&](const Recordset& record) {
                sent = record.value(QStringLiteral("Code_VC")).toString() + QLatin1Char('|') +
                       record.value(QStringLiteral("Acct_IN")).toString();
                return QStringLiteral("deleted");
            },
            [&] { ++reloaded; }, [&] { step.clear(); });
    };
    EXPECT_FALSE(press());
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Enter Name")));
    setFieldText(step.box(QStringLiteral("cboName")), QStringLiteral("Tools"));
    setFieldText(step.box(QStringLiteral("txtCode")), QStringLiteral("TL"));
    setFieldText(step.box(QStringLiteral("cboAcct")), QStringLiteral(" "));
    EXPECT_FALSE(press()) << "a blank passes the emptiness check, not the number's";
    EXPECT_EQ(ui.lastText(), QStringLiteral("Acct Code : Enter numerical and not character"));
    EXPECT_EQ(ui.messages().back().title, kTitleInvalidInput);
    setFieldText(step.box(QStringLiteral("cboAcct")), QStringLiteral("3000000000"));
    EXPECT_FALSE(press());
    EXPECT_EQ(ui.lastText(), QStringLiteral("Acct Code: the number is too long; type one of fewer digits"));
    EXPECT_EQ(reloaded, 0);
    EXPECT_EQ(fieldText(step.box(QStringLiteral("txtCode"))), QStringLiteral("TL"))
        << "nothing typed is lost";

    setFieldText(step.box(QStringLiteral("cboAcct")), QStringLiteral("4100"));
    EXPECT_TRUE(press());
    EXPECT_EQ(sent, QStringLiteral("TL|4100"));
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("deleted")));
    EXPECT_EQ(reloaded, 1);
    EXPECT_TRUE(fieldText(step.box(QStringLiteral("txtCode"))).isEmpty());

    ui.clear();
    setFieldText(step.box(QStringLiteral("txtCode")), QStringLiteral("kept"));
    EXPECT_FALSE(step.showPicked(Recordset(), QStringLiteral("No \"%1\" now"), QStringLiteral("Tools")));
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("No \"Tools\" now")));
    EXPECT_EQ(fieldText(step.box(QStringLiteral("txtCode"))), QStringLiteral("kept"));
}

// What a field declares beyond its column: a tint on every failing check, a
// picked record's column of another name, two boxes feeding one column for
// different requests, and an amount the staging field could not hold.
TEST_F(SetupSectionTest, TintsShownColumnsSharedColumnsAndAmounts) {
    QWidget window;
    SetupSection bank(&window, {F::text("txtRate", "Rate :")
                                    .feeds("Rate", DataType::Currency)
                                    .shownFrom("VAT_Rate")
                                    .whenEmpty("Enter Rate")
                                    .tinting(),
                                F::text("txtName").feeds("Name", DataType::Text, 10).carriedBy(kCreate),
                                F::text("txtPicked").feeds("name", DataType::Text, 10).carriedBy(kDelete),
                                F::text("txtGLName").shownFrom("GL_Name_VC")});
    bank.buildStaging();
    ASSERT_EQ(bank.staging().fieldCount(), 2) << "one staging field for the shared column";
    EXPECT_EQ(bank.carried(SetupRequest::Delete).back().second, bank.box(QStringLiteral("txtPicked")));

    Recordset picked = buildRecord({{QStringLiteral("VAT_Rate"), DataType::Text, 8},
                                    {QStringLiteral("Rate"), DataType::Text, 8},
                                    {QStringLiteral("GL_Name_VC"), DataType::Text, 20}},
                                   true);
    picked.setValue(QStringLiteral("VAT_Rate"), Variant(QStringLiteral("5.5")));
    picked.setValue(QStringLiteral("Rate"), Variant(QStringLiteral("wrong")));
    picked.setValue(QStringLiteral("GL_Name_VC"), Variant(QStringLiteral("Output VAT")));
    bank.show(picked);
    EXPECT_EQ(fieldText(bank.box(QStringLiteral("txtRate"))), QStringLiteral("5.5"));
    EXPECT_EQ(fieldText(bank.box(QStringLiteral("txtGLName"))), QStringLiteral("Output VAT"));

    QWidget* rate = bank.box(QStringLiteral("txtRate"));
    setFieldText(rate, QString());
    EXPECT_EQ(firstFailure(bank.checks()), QStringLiteral("Enter Rate"));
    EXPECT_TRUE(isTinted(rate));
    // Number-like texts that are no amount: a power of ten, too many digits.
    for (const char* text : {"1e1", "99999999999999999999"}) {
        setFieldText(rate, QString::fromLatin1(text));
        EXPECT_EQ(firstFailure(bank.checks()), QString()) << text;
        EXPECT_EQ(firstFailure(bank.fitChecks()), QStringLiteral("Rate: type an amount such as 1,234.50"))
            << text;
    }
}

} // namespace

namespace {

// A field that must hold a positive number, and one whose checks hold only
// while a condition does: the number checks in order, and no check at all
// of the conditional field while its condition is false.
TEST_F(SetupSectionTest, APositiveNumberAndAConditionalFieldCheckInOrder) {
    bool asked = false;
    const SetupSection own(parent.get(), {F::text("txtLimit", "Limit :")
                                              .feeds("Limit", DataType::Integer)
                                              .whenEmpty("Enter Limit")
                                              .positive("Limit must be above zero"),
                                          F::list("cboGain", "Gain :")
                                              .feeds("Gain", DataType::Integer)
                                              .checkedAs(CheckAs::Text)
                                              .whenEmpty("Select Gain")
                                              .tinting()
                                              .checkedOnlyIf([&asked] { return asked; })});
    auto failure = [&](const QString& limit) {
        setFieldText(own.box(QStringLiteral("txtLimit")), limit);
        return firstFailure(own.checks());
    };
    EXPECT_EQ(failure(""), QStringLiteral("Enter Limit"));
    EXPECT_EQ(failure("x"), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(failure("0"), QStringLiteral("Limit must be above zero"));
    EXPECT_EQ(failure("-0.5"), QStringLiteral("Limit must be above zero"));
    EXPECT_EQ(failure("1e30"), QString()) << "a number beyond the amounts still counts as positive";
    EXPECT_EQ(failure("0.0001"), QString());

    asked = true;
    EXPECT_EQ(failure("7"), QStringLiteral("Select Gain"));
    EXPECT_TRUE(isTinted(own.box(QStringLiteral("cboGain"))));
}

} // namespace
