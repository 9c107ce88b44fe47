#include <QtTest>
class TestArrangement : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestArrangement)
#include "tst_arrangement.moc"
