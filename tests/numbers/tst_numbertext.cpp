#include "numbers/NumberText.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace fw;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void decimal_data();
    void decimal();
    void position_data();
    void position();
    void lenient_data();
    void lenient();
    void strict_data();
    void strict();
    void strictNumberRead_data();
    void strictNumberRead();
};

void TestNumberText::decimal_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0LL << "0";
    QTest::newRow("record") << 999LL << "999";
    QTest::newRow("negative") << -5LL << "-5";
    QTest::newRow("beyond 16 bits") << 46656LL << "46656";
    QTest::newRow("16-bit floor") << -32768LL << "-32768";
}

void TestNumberText::decimal()
{
    QFETCH(qlonglong, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(decimalText(value)), text);
}

void TestNumberText::position_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1000.0f << "1000";
    QTest::newRow("negative") << -150.0f << "-150";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("fraction") << 12.5f << "12.5";
    QTest::newRow("shortest single") << 0.1f << "0.1";
}

void TestNumberText::position()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(positionText(value)), text);
    QCOMPARE(strictNumber(positionText(value)), std::optional<float>(value));
}

void TestNumberText::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("plain") << "999" << 999;
    QTest::newRow("half down to even") << "12.5" << 12;
    QTest::newRow("half up to even") << "13.5" << 14;
    QTest::newRow("below half") << "14.49" << 14;
    QTest::newRow("launch counter 14.5") << "14.5" << 14;
    QTest::newRow("launch counter 15.5") << "15.5" << 16;
    QTest::newRow("negative half") << "-2.5" << -2;
    QTest::newRow("leading blanks") << "   42" << 42;
    QTest::newRow("blanks inside") << "1 2\t3\n4" << 1234;
    QTest::newRow("trailing junk") << "17 seconds" << 17;
    QTest::newRow("plus sign") << "+8" << 8;
    QTest::newRow("exponent") << "1.5e2" << 150;
    QTest::newRow("exponent with blanks") << "2 E +1" << 20;
    QTest::newRow("letter e without digits") << "3e" << 3;
    QTest::newRow("fraction only") << ".5" << 0;
    QTest::newRow("fraction above half") << ".75" << 1;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("sign alone") << "-" << 0;
    QTest::newRow("dot alone") << "." << 0;
    QTest::newRow("second dot stops") << "1.2.3" << 1;
    QTest::newRow("clamped high") << "40000" << 32767;
    QTest::newRow("clamped low") << "-99999" << -32768;
    QTest::newRow("huge exponent") << "1e999" << 32767;
    QTest::newRow("tiny exponent") << "1e-999" << 0;
    QTest::newRow("many digits") << QString(400, QChar('9')) << 32767;
    // Beyond the range of a double, the size decides, not the exponent's sign.
    QTest::newRow("tiny without exponent") << "0." + QString(330, QChar('0')) + "1" << 0;
    QTest::newRow("huge with negative exponent") << "1" + QString(330, QChar('0')) + "e-5" << 32767;
}

void TestNumberText::lenient()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(lenientInt16(text.toStdString())), value);
}

void TestNumberText::strict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "15" << true << 15;
    QTest::newRow("surrounding blanks") << "  15 " << true << 15;
    QTest::newRow("rounded") << "13.5" << true << 14;
    QTest::newRow("negative") << "-3" << true << -3;
    QTest::newRow("exponent") << "1e3" << true << 1000;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "   " << false << 0;
    QTest::newRow("trailing junk") << "15x" << false << 0;
    QTest::newRow("blank inside") << "1 5" << false << 0;
    QTest::newRow("word") << "Nobody" << false << 0;
    QTest::newRow("clamped") << "100000" << true << 32767;
}

void TestNumberText::strict()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto read = strictInt16(text.toStdString());
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(int(*read), value);
}

void TestNumberText::strictNumberRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("value");
    QTest::newRow("position") << "1000" << true << 1000.0f;
    QTest::newRow("fraction") << "-12.25" << true << -12.25f;
    QTest::newRow("blanks") << " 7 " << true << 7.0f;
    QTest::newRow("junk") << "7px" << false << 0.0f;
    QTest::newRow("beyond single") << "1e39" << false << 0.0f;
    QTest::newRow("largest single, as written")
        << "3.4028235e+38" << true << std::numeric_limits<float>::max();
    QTest::newRow("overflowing double") << "1e400" << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
}

void TestNumberText::strictNumberRead()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(float, value);
    const auto read = strictNumber(text.toStdString());
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, value);
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
