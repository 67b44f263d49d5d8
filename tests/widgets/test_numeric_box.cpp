// The numeric box against the dBase columns it feeds: what the limits come to, and that typing past them is refused.
#include "store/dbf/dbf_field.h"
#include "store/store_error.h"
#include "widgets/numeric_box.h"

#include <QLineEdit>
#include <QtTest>

using namespace velmar;

Q_DECLARE_METATYPE(velmar::Sign)

namespace velmar {

class NumericBoxTest : public QObject {
    Q_OBJECT

private slots:
    void theLimitsAreWhatTheColumnHolds_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<Sign>("sign");
        QTest::addColumn<int>("integerDigits");
        QTest::addColumn<int>("decimals");
        QTest::newRow("N(12)") << "Contract"
                               << "NRCON" << Sign::Refused << 12 << 0;
        QTest::newRow("N(10,4): the point takes a place") << "Contract"
                                                          << "SUPRAFT" << Sign::Refused << 5 << 4;
        QTest::newRow("N(10) signed: the sign takes one") << "Chitante"
                                                          << "SUMA" << Sign::Allowed << 9 << 0;
        QTest::newRow("N(6,2) signed") << "Inflatie"
                                       << "VALOARE" << Sign::Allowed << 2 << 2;
        QTest::newRow("name in other case") << "chitante"
                                            << "nrchit" << Sign::Refused << 12 << 0;
    }
    void theLimitsAreWhatTheColumnHolds()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(Sign, sign);
        const NumericLimits limits = numericLimitsOf(table, column, sign);
        QTEST(limits.integerDigits, "integerDigits");
        QTEST(limits.decimals, "decimals");
        QCOMPARE(limits.signAllowed, sign == Sign::Allowed);
    }

    void anUnknownColumnIsAnError() { QVERIFY_THROWS_EXCEPTION(StoreError, numericLimitsOf(u"Contract", u"NIMIC")); }

    // Typed one key at a time: a refused key leaves the text as it was.
    void theBoxRefusesWhatItsColumnCannotHold_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<Sign>("sign");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::newRow("too many digits") << 10 << 0 << Sign::Refused << "12345678901"
                                         << "1234567890";
        QTest::newRow("no point without decimals") << 10 << 0 << Sign::Refused << "12.5"
                                                   << "125";
        QTest::newRow("digits before the point") << 10 << 4 << Sign::Refused << "123456"
                                                 << "12345";
        QTest::newRow("digits after the point") << 10 << 4 << Sign::Refused << "1.23456"
                                                << "1.2345";
        QTest::newRow("a second point") << 10 << 4 << Sign::Refused << "1.2.3"
                                        << "1.23";
        QTest::newRow("starting with the point") << 10 << 4 << Sign::Refused << ".5"
                                                 << ".5";
        QTest::newRow("no sign when refused") << 10 << 0 << Sign::Refused << "-5"
                                              << "5";
        QTest::newRow("a leading sign") << 6 << 2 << Sign::Allowed << "-12.34"
                                        << "-12.34";
        QTest::newRow("the sign takes a digit") << 6 << 2 << Sign::Allowed << "-123"
                                                << "-12";
        QTest::newRow("no sign inside") << 6 << 2 << Sign::Allowed << "1-2"
                                        << "12";
        QTest::newRow("letters and spaces") << 10 << 0 << Sign::Refused << "1 a2,3"
                                            << "123";
    }
    void theBoxRefusesWhatItsColumnCannotHold()
    {
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(Sign, sign);
        QFETCH(QString, typed);
        QLineEdit box;
        limitNumericBox(&box, numericLimitsOf(DbfField{QStringLiteral("X"), 'N', width, decimals}, sign));
        QTest::keyClicks(&box, typed);
        QTEST(box.text(), "taken");
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::NumericBoxTest)
#include "test_numeric_box.moc"
