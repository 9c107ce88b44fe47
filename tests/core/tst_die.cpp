#include "core/Die.h"

#include <QtTest>

#include <array>
#include <cmath>
#include <set>

using namespace fw;

class TestDie : public QObject {
    Q_OBJECT
private slots:
    void faceFromDraw_data();
    void faceFromDraw();
    void frequencies();
    void rapidRollsKeepVarying();
};

void TestDie::faceFromDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("face");
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below 1.5") << 0.0999f << 1;
    QTest::newRow("exactly 1.5 rounds to even 2") << 0.1f << 2;
    QTest::newRow("exactly 2.5 rounds to even 2") << 0.3f << 2;
    QTest::newRow("just above 2.5") << 0.3001f << 3;
    QTest::newRow("exactly 3.5 rounds to even 4") << 0.5f << 4;
    QTest::newRow("exactly 4.5 rounds to even 4") << 0.7f << 4;
    QTest::newRow("exactly 5.5 rounds to even 6") << 0.9f << 6;
    QTest::newRow("largest draw below 1") << std::nextafter(1.0f, 0.0f) << 6;
}

void TestDie::faceFromDraw()
{
    QFETCH(float, r);
    QFETCH(int, face);
    QCOMPARE(int(fw::faceFromDraw(r)), face);
}

// 1 and 6 come with chance 1/10 each, 2..5 with 1/5 each.
void TestDie::frequencies()
{
    ClockDie die;
    constexpr int rolls = 600000;
    std::array<int, 8> counts {};
    for (int n = 0; n < rolls; ++n) {
        const int face = die.RollDie();
        QVERIFY2(face >= 1 && face <= 6, qPrintable(QString::number(face)));
        ++counts[face];
    }
    const std::array<double, 7> expected {0, 0.1, 0.2, 0.2, 0.2, 0.2, 0.1};
    for (int face = 1; face <= 6; ++face) {
        const double share = double(counts[face]) / rolls;
        // Five standard deviations of a binomial share is under 0.0027.
        QVERIFY2(std::fabs(share - expected[face]) < 0.003,
            qPrintable(QStringLiteral("face %1: %2").arg(face).arg(share)));
    }
}

// Generation rolls many times within one tick of any clock; the rolls must
// not stall on one value.
void TestDie::rapidRollsKeepVarying()
{
    ClockDie die;
    std::set<int> seen;
    int changes = 0;
    int previous = die.RollDie();
    for (int n = 0; n < 200; ++n) {
        const int face = die.RollDie();
        seen.insert(face);
        changes += face != previous;
        previous = face;
    }
    QCOMPARE(seen.size(), std::size_t(6));
    QVERIFY(changes > 100);

    // Two dice made at the same moment do not roll alike.
    ClockDie first;
    ClockDie second;
    int same = 0;
    for (int n = 0; n < 64; ++n)
        same += first.RollDie() == second.RollDie();
    QVERIFY(same < 40);
}

QTEST_APPLESS_MAIN(TestDie)
#include "tst_die.moc"
